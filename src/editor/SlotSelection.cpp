#include "editor/SlotSelection.h"

#include "colours/SlotModel.h"
#include "editor/ChannelEditors.h"

#include <QLineEdit>

#include <string>

namespace tintabel {

SlotSelection::SlotSelection(SlotModel& slotModel, ChannelEditors& editors)
    : m_slots(slotModel)
    , m_editors(editors)
{
}

void SlotSelection::click(std::size_t index)
{
    // Writing the channels runs the alpha rule while the alpha editor still shows the slot
    // selected before, which puts that alpha into this slot's store; the store is put back last.
    const std::string remembered = m_slots.alpha(index);
    const ColourValue colour = m_slots.colour(index);
    bool changed = m_editors.write(m_editors.re(), QString::number(redOf(colour)));
    changed = m_editors.write(m_editors.ge(), QString::number(greenOf(colour))) || changed;
    changed = m_editors.write(m_editors.be(), QString::number(blueOf(colour))) || changed;
    // The channels may already read the slot's colour while hex and the current colour do not,
    // as after an unload (empty hex, white) followed by a load whose slot is black.
    if (!changed)
        m_editors.reChange();

    m_editors.write(m_editors.alp(), QString::fromStdString(m_slots.alpha(index)));
    m_editors.alpChange();

    m_slots.setAlpha(index, remembered);
    m_editors.write(m_editors.alp(), QString::fromStdString(remembered));
}

void SlotSelection::select(std::size_t index)
{
    m_slots.select(index);
    click(index);
}

} // namespace tintabel
