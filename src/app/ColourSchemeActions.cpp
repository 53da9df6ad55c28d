#include "app/ColourSchemeActions.h"

#include "app/Unit1.h"
#include "editor/PreviewSamples.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"

#include <optional>
#include <string>

namespace tintabel {

ColourSchemeActions::ColourSchemeActions(TForm1& form)
    : m_form(form)
    , m_reader(form.services().files, form.slotModel(),
          {
              .clearSample = [&form](std::size_t index) { form.preview().clear(index); },
              .sampleRender
              = [&form](std::size_t index, std::int32_t alpha) { form.SampleRender(index, alpha); },
          })
{
}

void ColourSchemeActions::sctbtClick()
{
    const std::optional<std::string> chosen
        = m_form.services().dialogs.saveFile(m_form.JvSaveDialog1);
    if (!chosen)
        return;
    m_form.services().files.copyFileOrThrow(m_form.state().workFilePath, *chosen);
}

void ColourSchemeActions::loadbtClick()
{
    const std::optional<std::string> chosen = m_form.services().dialogs.openFile(m_form.j2);
    if (chosen) {
        m_form.SampleClearAll();
        // A name typed for a file that is not there loads nothing, and the working file stays.
        if (!m_reader.load(*chosen))
            return;
    }
    m_form.data();
    if (chosen)
        m_form.selectSlot(m_form.slotModel().selected());
}

} // namespace tintabel
