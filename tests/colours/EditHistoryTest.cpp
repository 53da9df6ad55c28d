#include "colours/EditHistory.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

SlotsSnapshot state(ColourValue first)
{
    SlotsSnapshot snapshot;
    snapshot.bySlot[0].colour = first;
    return snapshot;
}

ColourValue firstOf(const std::optional<SlotsSnapshot>& snapshot)
{
    return snapshot ? snapshot->bySlot[0].colour : 0xDEAD;
}

TEST(EditHistory, RunsMergeUntilAnotherStepOrAnUndoAndANewStepDropsTheRedo)
{
    EditHistory history;
    EXPECT_FALSE(history.undo());
    history.record(state(0), state(1), 7);
    history.record(state(1), state(2), 7); // the same run: one step from 0 to 2
    history.record(state(2), state(3), std::nullopt);
    history.record(state(3), state(4), 7); // after another step, a new one
    EXPECT_EQ(history.undoable(), 3u);

    EXPECT_EQ(firstOf(history.undo()), 3u);
    history.record(state(3), state(5), 7); // an undo closed the run, and the redo goes
    EXPECT_EQ(history.redoable(), 0u);
    EXPECT_FALSE(history.redo());
    EXPECT_EQ(firstOf(history.undo()), 3u);
    EXPECT_EQ(firstOf(history.undo()), 2u);
    EXPECT_EQ(firstOf(history.undo()), 0u);
    EXPECT_FALSE(history.undo());
    EXPECT_EQ(firstOf(history.redo()), 2u);
    EXPECT_EQ(firstOf(history.redo()), 3u);

    history.clear();
    EXPECT_EQ(history.undoable() + history.redoable(), 0u);
}

TEST(EditHistory, KeepsTheNewestStepsUpToItsDepth)
{
    EditHistory history;
    for (ColourValue step = 0; step < EditHistory::kDepth + 5; ++step)
        history.record(state(step), state(step + 1), std::nullopt);
    EXPECT_EQ(history.undoable(), EditHistory::kDepth);
    std::optional<SlotsSnapshot> oldest;
    while (std::optional<SlotsSnapshot> before = history.undo())
        oldest = before;
    EXPECT_EQ(firstOf(oldest), 5u);
}

} // namespace
} // namespace tintabel
