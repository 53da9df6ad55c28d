#include "colours/EditHistory.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

// The window's tests go through every kind of step; the depth alone needs hundreds of them.
TEST(EditHistory, KeepsTheNewestStepsUpToItsDepth)
{
    const auto state = [](ColourValue first) {
        SlotsSnapshot snapshot;
        snapshot.bySlot[0].colour = first;
        return snapshot;
    };
    EditHistory history;
    for (ColourValue step = 0; step < EditHistory::kDepth + 5; ++step)
        history.record(state(step), state(step + 1), std::nullopt);
    EXPECT_GE(EditHistory::kDepth, 200u);
    EXPECT_EQ(history.undoable(), EditHistory::kDepth);
    ColourValue oldest = 0;
    while (const std::optional<SlotsSnapshot> before = history.undo())
        oldest = before->bySlot[0].colour;
    EXPECT_EQ(oldest, 5u);
    EXPECT_FALSE(history.undo());
}

} // namespace
} // namespace tintabel
