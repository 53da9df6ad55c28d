#pragma once

#include "app/PaletteFiles.h"
#include "colours/ColourSchemeReader.h"

namespace tintabel {

class PreviewSamples;
class SchemeLoadPath;
class SlotModel;
class SlotSelection;
class WorkingColourFile;
struct FileDialogRequest;
struct Services;

// "Save colour scheme" and "Load colour scheme": the eight slots to and from a *.ctm file, or a
// palette of another tool when its file type is chosen in the dialog (PaletteFiles).
class ColourSchemeActions {
public:
    struct Parts {
        Services& services;
        SlotModel& slotModel;
        WorkingColourFile& workingFile;
        PreviewSamples& preview;
        SlotSelection& selection;
        SchemeLoadPath& loadPath;
        const FileDialogRequest& JvSaveDialog1;
        const FileDialogRequest& j2;
    };

    explicit ColourSchemeActions(const Parts& parts);

    // Copies the working colour file, which every load and edit keeps current, to the chosen
    // file. The copy replaces the file in one step; a failure raises InOutError with the reason.
    void sctbtClick();
    // Applies the chosen scheme to the slots and rewrites the working colour file; cancelling
    // rewrites it from the slots as they are. After a load the editors show the selected slot's
    // new values, so that the next edit starts from them and not from what they showed before.
    void loadbtClick();

private:
    Parts m_parts;
    ColourSchemeReader m_reader;
    PaletteFiles m_palettes;
};

} // namespace tintabel
