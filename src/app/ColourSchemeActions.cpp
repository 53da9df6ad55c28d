#include "app/ColourSchemeActions.h"

#include "colours/SlotModel.h"
#include "colours/WorkingColourFile.h"
#include "editor/PreviewSamples.h"
#include "editor/SlotSelection.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"

#include <optional>
#include <string>

namespace tintabel {

ColourSchemeActions::ColourSchemeActions(const Parts& parts)
    : m_parts(parts)
    , m_reader(parts.services.files, parts.slotModel,
          {
              .clearSample
              = [&preview = parts.preview](std::size_t index) { preview.clear(index); },
              .sampleRender = [&preview = parts.preview](std::size_t index,
                                  std::int32_t alpha) { preview.render(index, alpha); },
          })
    , m_palettes(parts.services.files, parts.services.messages, parts.slotModel, parts.loadPath)
{
}

void ColourSchemeActions::sctbtClick()
{
    const std::optional<std::string> chosen
        = m_parts.services.dialogs.saveFile(m_parts.JvSaveDialog1);
    if (!chosen)
        return;
    if (const auto palette = PaletteFiles::formatChosen(m_parts.services.dialogs.chosenFilter()))
        return m_palettes.save(*chosen, *palette);
    m_parts.services.files.copyFileOrThrow(m_parts.workingFile.path(), *chosen);
}

void ColourSchemeActions::loadbtClick()
{
    const std::optional<std::string> chosen = m_parts.services.dialogs.openFile(m_parts.j2);
    const auto palette = PaletteFiles::formatChosen(m_parts.services.dialogs.chosenFilter());
    if (chosen && palette)
        return m_palettes.load(*chosen, *palette);
    if (chosen) {
        m_parts.preview.clearAll();
        // A name typed for a file that is not there loads nothing, and the working file stays.
        if (!m_reader.load(*chosen))
            return;
    }
    m_parts.workingFile.data();
    if (chosen)
        m_parts.selection.select(m_parts.slotModel.selected());
}

} // namespace tintabel
