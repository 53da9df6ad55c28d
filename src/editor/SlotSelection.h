#pragma once

#include <cstddef>

namespace tintabel {

class ChannelEditors;
class SlotModel;

// Choosing the slot the editors work on, by its radio button. The editors then show the slot's
// colour and alpha; the slot keeps its own colour and alpha, its sample is rebuilt in front of the
// others and the working file is rewritten.
class SlotSelection {
public:
    SlotSelection(SlotModel& slotModel, ChannelEditors& editors);

    // The slot's radio button was clicked; by then its slot is the selected one. One handler
    // serves the eight buttons (larbClick ... petrbClick), indexed in slot order.
    void click(std::size_t index);
    // Makes the slot the selected one and runs its selection.
    void select(std::size_t index);

private:
    SlotModel& m_slots;
    ChannelEditors& m_editors;
};

} // namespace tintabel
