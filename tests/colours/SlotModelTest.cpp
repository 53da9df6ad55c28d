#include "colours/SlotModel.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace tintabel {
namespace {

using Change = SlotModel::Change;
using Event = std::pair<Change, std::size_t>;

TEST(ColourSlotTable, FindsSlotsByKeyAndExactDisplayName)
{
    EXPECT_EQ(slotIndexByKey("la"), 0u);
    EXPECT_EQ(slotIndexByKey("sal"), 6u);
    EXPECT_EQ(slotIndexByKey("pet"), 7u);
    EXPECT_EQ(slotIndexByName("low attribute"), 0u);
    EXPECT_EQ(slotIndexByName("special attribute label"), 6u);
    EXPECT_EQ(slotIndexByName("profile extra text"), 7u);
    // Names are compared whole and with their case, as skin files are read.
    EXPECT_FALSE(slotIndexByName("Low attribute"));
    EXPECT_FALSE(slotIndexByName("low attribute "));
    EXPECT_FALSE(slotIndexByName("special attribute labe"));
    EXPECT_FALSE(slotIndexByKey("LA"));
    EXPECT_FALSE(slotIndexByKey(""));
}

TEST(SlotModel, StartsWhiteWithAlpha255UnavailableAndFirstSlotSelected)
{
    SlotModel slotModel;
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(slotModel.colour(i), 0xFFFFFFu) << i;
        EXPECT_EQ(slotModel.alpha(i), "255") << i;
        EXPECT_FALSE(slotModel.available(i)) << i;
    }
    EXPECT_EQ(slotModel.selected(), 0u);
    EXPECT_THROW(slotModel.colour(kSlotCount), std::out_of_range);
    EXPECT_THROW(slotModel.select(kSlotCount), std::out_of_range);
    EXPECT_EQ(slotModel.selected(), 0u);
}

TEST(SlotModel, TellsListenersOfRealChangesOnly)
{
    SlotModel slotModel;
    std::vector<Event> events;
    slotModel.subscribe(
        [&](Change change, std::size_t index) { events.emplace_back(change, index); });

    slotModel.setColour(2, 0x8000FF);
    slotModel.setColour(2, 0x8000FF);
    slotModel.setAlpha(4, "1000");
    slotModel.setAlpha(4, "1000");
    slotModel.setAvailable(7, true);
    slotModel.setAvailable(7, true);
    slotModel.select(5);
    slotModel.select(5);
    const std::vector<Event> expected {
        {Change::Colour, 2}, {Change::Alpha, 4}, {Change::Availability, 7}, {Change::Selection, 5}};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(slotModel.colour(2), 0x8000FFu);
    EXPECT_EQ(slotModel.alpha(4), "1000");
    EXPECT_TRUE(slotModel.available(7));
    EXPECT_EQ(slotModel.selected(), 5u);

    // Colours are 24 bits: a top byte never reaches the store.
    slotModel.setColour(0, 0x7F123456);
    EXPECT_EQ(slotModel.colour(0), 0x123456u);
}

TEST(SlotModel, ResetWhitensAndDisablesInSlotOrderButKeepsAlphaAndSelection)
{
    SlotModel slotModel;
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        slotModel.setColour(i, 0x010203 * static_cast<std::uint32_t>(i));
        slotModel.setAlpha(i, std::to_string(i));
        slotModel.setAvailable(i, true);
    }
    slotModel.select(3);
    std::vector<Event> events;
    slotModel.subscribe(
        [&](Change change, std::size_t index) { events.emplace_back(change, index); });

    slotModel.whitenAll();
    slotModel.makeAllUnavailable();
    // Slot 0 had 0 (black) and turns white too; every slot is told in order.
    std::vector<Event> expected;
    for (std::size_t i = 0; i < kSlotCount; ++i)
        expected.emplace_back(Change::Colour, i);
    for (std::size_t i = 0; i < kSlotCount; ++i)
        expected.emplace_back(Change::Availability, i);
    EXPECT_EQ(events, expected);
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(slotModel.colour(i), SlotModel::kWhite);
        EXPECT_EQ(slotModel.alpha(i), std::to_string(i));
        EXPECT_FALSE(slotModel.available(i));
    }
    EXPECT_EQ(slotModel.selected(), 3u);

    events.clear();
    slotModel.whitenAll();
    slotModel.makeAllUnavailable();
    EXPECT_TRUE(events.empty());
}

} // namespace
} // namespace tintabel
