#include "app/ColourSourceReset.h"

#include "app/ColourSource.h"
#include "colours/SlotModel.h"
#include "editor/ChannelEditors.h"

#include <QWidget>

namespace tintabel {

ColourSourceReset::ColourSourceReset(ColourSource& source, SlotModel& slotModel,
    ChannelEditors& editors, QWidget& sctbt, QWidget& loadbt, QWidget& savebt, QWidget& sxmlbt)
    : m_source(source)
    , m_slots(slotModel)
    , m_editors(editors)
    , m_sctbt(sctbt)
    , m_loadbt(loadbt)
    , m_savebt(savebt)
    , m_sxmlbt(sxmlbt)
{
}

void ColourSourceReset::unload()
{
    m_source.sourcePath.clear();
    m_source.docFileName.clear();
    m_source.lastOpenedXml.clear();
    m_editors.reset();
    m_slots.whitenAll();
    m_sctbt.setEnabled(false);
    m_loadbt.setEnabled(false);
    m_savebt.setEnabled(false);
    m_sxmlbt.setEnabled(false);
    m_slots.makeAllUnavailable();
}

void ColourSourceReset::enableEditing()
{
    m_editors.enable();
    m_sctbt.setEnabled(true);
    m_loadbt.setEnabled(true);
}

} // namespace tintabel
