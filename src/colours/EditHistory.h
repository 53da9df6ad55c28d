#pragma once

#include "colours/ColourSlot.h"
#include "colours/ColourValue.h"

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace tintabel {

class SlotModel;

// The eight slots' colours and alpha texts and the slot the editors work on: all an undo step
// needs to put the window back as it was.
struct SlotsSnapshot {
    struct Slot {
        ColourValue colour = 0;
        std::string alpha;
        bool operator==(const Slot&) const = default;
    };

    std::array<Slot, kSlotCount> bySlot;
    std::size_t selected = 0;

    static SlotsSnapshot of(const SlotModel& slotModel);
};

// The steps of the user's edits, each the slots before and after it. Undoing goes back one step
// and redoing forward again; a step recorded after an undo drops the steps that could have been
// redone. The oldest steps go once kDepth are kept.
class EditHistory {
public:
    static constexpr std::size_t kDepth = 500;
    // Steps recorded one after another with the same run (keystrokes in one editor on one slot)
    // make a single step; a step without a run stands alone.
    using Run = std::optional<int>;

    void record(const SlotsSnapshot& before, const SlotsSnapshot& after, Run run);
    // What the slots go back to, or nothing when there is nothing to undo.
    std::optional<SlotsSnapshot> undo();
    // What the slots go forward to, or nothing when there is nothing to redo.
    std::optional<SlotsSnapshot> redo();
    void clear();

    std::size_t undoable() const { return m_done; }
    std::size_t redoable() const { return m_steps.size() - m_done; }

private:
    struct Step {
        SlotsSnapshot before;
        SlotsSnapshot after;
        Run run;
    };

    std::deque<Step> m_steps;
    std::size_t m_done = 0;
    // Whether the last step may still grow: nothing was undone, redone or cleared since.
    bool m_runOpen = false;
};

} // namespace tintabel
