#include "colours/EditHistory.h"

#include "colours/SlotModel.h"

namespace tintabel {

SlotsSnapshot SlotsSnapshot::of(const SlotModel& slotModel)
{
    SlotsSnapshot snapshot;
    for (std::size_t index = 0; index < kSlotCount; ++index)
        snapshot.bySlot[index] = {slotModel.colour(index), slotModel.alpha(index)};
    snapshot.selected = slotModel.selected();
    return snapshot;
}

void EditHistory::record(const SlotsSnapshot& before, const SlotsSnapshot& after, Run run)
{
    m_steps.resize(m_done);
    if (run && m_runOpen && m_steps.back().run == run) {
        m_steps.back().after = after;
        return;
    }
    m_steps.push_back({before, after, run});
    if (m_steps.size() > kDepth)
        m_steps.pop_front();
    m_done = m_steps.size();
    m_runOpen = true;
}

std::optional<SlotsSnapshot> EditHistory::undo()
{
    m_runOpen = false;
    if (m_done == 0)
        return std::nullopt;
    return m_steps[--m_done].before;
}

std::optional<SlotsSnapshot> EditHistory::redo()
{
    m_runOpen = false;
    if (m_done == m_steps.size())
        return std::nullopt;
    return m_steps[m_done++].after;
}

void EditHistory::clear()
{
    m_steps.clear();
    m_done = 0;
    m_runOpen = false;
}

} // namespace tintabel
