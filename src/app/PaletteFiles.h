#pragma once

#include "colours/PaletteFormat.h"

#include <cstddef>
#include <optional>
#include <string>

namespace tintabel {

class FileSystem;
class MessageBoxes;
class SchemeLoadPath;
class SlotModel;

// The palettes of other tools as further file types of "Save colour scheme" and "Load colour
// scheme": the slots exported to a GIMP or Adobe palette, and such a palette imported into them.
class PaletteFiles {
public:
    // The file types the scheme dialogs offer after the scheme file's own, in this order.
    static constexpr const char* kFilter = "|GIMP palette|*.gpl|Adobe Swatch Exchange|*.ase";

    PaletteFiles(FileSystem& files, MessageBoxes& messages, const SlotModel& slotModel,
        SchemeLoadPath& loadPath);

    // The palette format of the file type chosen in a scheme dialog; nothing for the scheme
    // file's own type, whose actions stay as they were.
    static std::optional<PaletteFormat> formatChosen(std::size_t filter);

    // The eight slots, named by their display names, replace the file whole; the palette is named
    // after the file.
    void save(const std::string& path, PaletteFormat format);
    // A palette that cannot be read changes nothing. The entries it passed over are shown once
    // the rest is in the slots.
    void load(const std::string& path, PaletteFormat format);

private:
    FileSystem& m_files;
    MessageBoxes& m_messages;
    const SlotModel& m_slots;
    SchemeLoadPath& m_loadPath;
};

} // namespace tintabel
