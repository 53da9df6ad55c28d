#include "colours/SlotModel.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace tintabel {
namespace {

using Change = SlotModel::Change;
using Events = std::vector<std::pair<Change, std::size_t>>;

TEST(ColourSlotTable, FindsSlotsByKeyAndExactDisplayName)
{
    EXPECT_EQ(slotIndexByKey("la"), 0u);
    EXPECT_EQ(slotIndexByKey("sal"), 6u);
    EXPECT_EQ(slotIndexByKey("pet"), 7u);
    EXPECT_EQ(slotIndexByName("low attribute"), 0u);
    EXPECT_EQ(slotIndexByName("special attribute label"), 6u);
    EXPECT_EQ(slotIndexByName("profile extra text"), 7u);
    // Names are compared whole and with their case, as skin files are read.
    for (const char* name : {"Low attribute", "low attribute ", "special attribute labe"})
        EXPECT_FALSE(slotIndexByName(name)) << name;
    EXPECT_FALSE(slotIndexByKey("LA"));
    EXPECT_FALSE(slotIndexByKey(""));
}

class SlotModelTest : public ::testing::Test {
protected:
    SlotModelTest()
    {
        slots.subscribe(
            [this](Change change, std::size_t index) { events.emplace_back(change, index); });
    }

    SlotModel slots;
    Events events;
};

TEST_F(SlotModelTest, StartsWhiteWithAlpha255UnavailableAndFirstSlotSelected)
{
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

TEST_F(SlotModelTest, TellsListenersOfRealChangesOnly)
{
    for (int twice = 0; twice < 2; ++twice) {
        slots.setColour(2, 0x8000FF);
        slots.setAlpha(4, "1000");
        slots.setAvailable(7, true);
        slots.select(5);
    }
    EXPECT_EQ(events,
        (Events {{Change::Colour, 2}, {Change::Alpha, 4}, {Change::Availability, 7},
            {Change::Selection, 5}}));
    EXPECT_EQ(slots.colour(2), 0x8000FFu);
    EXPECT_EQ(slots.alpha(4), "1000");
    EXPECT_TRUE(slots.available(7));
    EXPECT_EQ(slots.selected(), 5u);

    // Colours are 24 bits: a top byte never reaches the store.
    slots.setColour(0, 0x7F123456);
    EXPECT_EQ(slots.colour(0), 0x123456u);
}

TEST_F(SlotModelTest, ResetWhitensAndDisablesInSlotOrderButKeepsAlphaAndSelection)
{
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        slots.setColour(i, 0x010203 * static_cast<std::uint32_t>(i));
        slots.setAlpha(i, std::to_string(i));
        slots.setAvailable(i, true);
    }
    slots.select(3);
    events.clear();
    for (int twice = 0; twice < 2; ++twice) {
        slots.whitenAll();
        slots.makeAllUnavailable();
    }
    // Slot 0 had 0 (black) and turns white too; every slot is told in order, and only once.
    Events expected;
    for (const Change change : {Change::Colour, Change::Availability}) {
        for (std::size_t i = 0; i < kSlotCount; ++i)
            expected.emplace_back(change, i);
    }
    EXPECT_EQ(events, expected);
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(slots.colour(i), SlotModel::kWhite);
        EXPECT_EQ(slots.alpha(i), std::to_string(i));
        EXPECT_FALSE(slots.available(i));
    }
    EXPECT_EQ(slots.selected(), 3u);
}

} // namespace
} // namespace tintabel
