#include "colours/SlotModel.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace tintabel {
namespace {

using Change = SlotModel::Change;
using Events = std::vector<std::pair<Change, std::size_t>>;

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

TEST_F(SlotModelTest, TellsOfRealChangesOnlyAndResetKeepsAlphaAndSelection)
{
    EXPECT_THROW(slots.select(kSlotCount), std::out_of_range);
    for (int twice = 0; twice < 2; ++twice) {
        slots.setColour(2, 0x8000FF);
        slots.setAlpha(4, "1000");
        slots.setAvailable(7, true);
        slots.select(5);
    }
    EXPECT_EQ(events,
        (Events {{Change::Colour, 2}, {Change::Alpha, 4}, {Change::Availability, 7},
            {Change::Selection, 5}}));
    // Colours are 24 bits: a top byte never reaches the store.
    slots.setColour(0, 0x7F123456);
    EXPECT_EQ(slots.colour(0), 0x123456u);

    for (std::size_t i = 0; i < kSlotCount; ++i) {
        slots.setColour(i, 0x010203 * static_cast<std::uint32_t>(i));
        slots.setAvailable(i, true);
    }
    slots.setAlpha(3, "7");
    slots.select(3);
    events.clear();
    for (int twice = 0; twice < 2; ++twice) {
        slots.whitenAll();
        slots.makeAllUnavailable();
    }
    // Slot 0 was black and turns white too; every slot is told in order, and only once.
    Events expected;
    for (const Change change : {Change::Colour, Change::Availability}) {
        for (std::size_t i = 0; i < kSlotCount; ++i)
            expected.emplace_back(change, i);
    }
    EXPECT_EQ(events, expected);
    EXPECT_EQ(std::tuple(slots.colour(5), slots.available(5), slots.alpha(3), slots.selected()),
        std::tuple(SlotModel::kWhite, false, "7", 3u));
}

} // namespace
} // namespace tintabel
