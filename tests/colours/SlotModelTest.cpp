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
    SlotModel slots;
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(slots.colour(i), 0xFFFFFFu) << i;
        EXPECT_EQ(slots.alpha(i), "255") << i;
        EXPECT_FALSE(slots.available(i)) << i;
    }
    EXPECT_EQ(slots.selected(), 0u);
    EXPECT_THROW(slots.colour(kSlotCount), std::out_of_range);
    EXPECT_THROW(slots.select(kSlotCount), std::out_of_range);
    EXPECT_EQ(slots.selected(), 0u);
}

TEST(SlotModel, TellsListenersOfRealChangesOnly)
{
    SlotModel slots;
    std::vector<Event> events;
    slots.subscribe([&](Change change, std::size_t index) { events.emplace_back(change, index); });

    slots.setColour(2, 0x8000FF);
    slots.setColour(2, 0x8000FF);
    slots.setAlpha(4, "1000");
    slots.setAlpha(4, "1000");
    slots.setAvailable(7, true);
    slots.setAvailable(7, true);
    slots.select(5);
    slots.select(5);
    const std::vector<Event> expected {
        {Change::Colour, 2}, {Change::Alpha, 4}, {Change::Availability, 7}, {Change::Selection, 5}};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(slots.colour(2), 0x8000FFu);
    EXPECT_EQ(slots.alpha(4), "1000");
    EXPECT_TRUE(slots.available(7));
    EXPECT_EQ(slots.selected(), 5u);

    // Colours are 24 bits: a top byte never reaches the store.
    slots.setColour(0, 0x7F123456);
    EXPECT_EQ(slots.colour(0), 0x123456u);
}

TEST(SlotModel, ResetWhitensAndDisablesInSlotOrderButKeepsAlphaAndSelection)
{
    SlotModel slots;
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        slots.setColour(i, 0x010203 * static_cast<std::uint32_t>(i));
        slots.setAlpha(i, std::to_string(i));
        slots.setAvailable(i, true);
    }
    slots.select(3);
    std::vector<Event> events;
    slots.subscribe([&](Change change, std::size_t index) { events.emplace_back(change, index); });

    slots.whitenAll();
    slots.makeAllUnavailable();
    // Slot 0 had 0 (black) and turns white too; every slot is told in order.
    std::vector<Event> expected;
    for (std::size_t i = 0; i < kSlotCount; ++i)
        expected.emplace_back(Change::Colour, i);
    for (std::size_t i = 0; i < kSlotCount; ++i)
        expected.emplace_back(Change::Availability, i);
    EXPECT_EQ(events, expected);
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(slots.colour(i), SlotModel::kWhite);
        EXPECT_EQ(slots.alpha(i), std::to_string(i));
        EXPECT_FALSE(slots.available(i));
    }
    EXPECT_EQ(slots.selected(), 3u);

    events.clear();
    slots.whitenAll();
    slots.makeAllUnavailable();
    EXPECT_TRUE(events.empty());
}

} // namespace
} // namespace tintabel
