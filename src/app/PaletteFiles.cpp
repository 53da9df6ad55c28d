#include "app/PaletteFiles.h"

#include "app/SchemeLoadPath.h"
#include "colours/PaletteSlots.h"
#include "colours/SlotModel.h"
#include "colours/SlotScheme.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/Paths.h"

namespace tintabel {

PaletteFiles::PaletteFiles(
    FileSystem& files, MessageBoxes& messages, const SlotModel& slotModel, SchemeLoadPath& loadPath)
    : m_files(files)
    , m_messages(messages)
    , m_slots(slotModel)
    , m_loadPath(loadPath)
{
}

std::optional<PaletteFormat> PaletteFiles::formatChosen(std::size_t filter)
{
    switch (filter) {
    case 1:
        return PaletteFormat::Gimp;
    case 2:
        return PaletteFormat::SwatchExchange;
    default:
        return std::nullopt;
    }
}

void PaletteFiles::save(const std::string& path, PaletteFormat format)
{
    const std::string name = fileNamePart(path);
    const Palette palette = paletteFromSlots(
        slotColoursOf(m_slots), name.substr(0, name.size() - extensionPart(name).size()));
    m_files.writeFileAtomically(path, writePalette(format, palette));
}

void PaletteFiles::load(const std::string& path, PaletteFormat format)
{
    const SlotScheme scheme = SlotScheme::read(m_files, path, format);
    m_loadPath.put(scheme, m_slots.selected());
    std::string passedOver;
    for (const std::string& warning : scheme.warnings)
        passedOver += (passedOver.empty() ? "" : "\n") + warning;
    if (!passedOver.empty())
        m_messages.information(passedOver);
}

} // namespace tintabel
