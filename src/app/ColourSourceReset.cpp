#include "app/ColourSourceReset.h"

#include "colours/MainWindowState.h"
#include "colours/SlotModel.h"
#include "editor/ChannelEditors.h"

#include <QWidget>

namespace tintabel {

ColourSourceReset::ColourSourceReset(MainWindowState& state, SlotModel& slotModel,
    ChannelEditors& editors, QWidget& sctbt, QWidget& loadbt)
    : m_state(state)
    , m_slots(slotModel)
    , m_editors(editors)
    , m_sctbt(sctbt)
    , m_loadbt(loadbt)
{
}

void ColourSourceReset::unload()
{
    m_state.sourcePath.clear();
    m_state.docFileName.clear();
    m_state.lastOpenedXml.clear();
    m_editors.reset();
    m_slots.whitenAll();
    m_sctbt.setEnabled(false);
    m_loadbt.setEnabled(false);
    m_slots.makeAllUnavailable();
}

} // namespace tintabel
