#pragma once

#include "colours/ColourXmlWriter.h"

#include <string>

class QAbstractButton;
class QListWidget;
class QWidget;

namespace tintabel {

class ColourSourceReset;
class ColourXmlReader;
class PreviewSamples;
class SkinCatalogueHandlers;
class SlotModel;
class SlotSelection;
class WorkingColourFile;
struct ColourSource;
struct FileDialogRequest;
struct InterfaceTexts;
struct ProgramFolders;
struct Services;
struct WorkingCopy;

// The "Load/Save XML" buttons of the main window: loading a colour document chosen by hand,
// saving the edited colours to a file the user names, and saving them over the skin's own file.
class XmlFileActions {
public:
    struct Parts {
        Services& services;
        const ProgramFolders& folders;
        const InterfaceTexts& texts; // of the language in force
        ColourSource& source;
        ColourSourceReset& reset;
        ColourXmlReader& reader;
        const WorkingCopy& workCopy;
        SlotModel& slotModel;
        WorkingColourFile& workingFile;
        PreviewSamples& preview;
        SlotSelection& selection;
        SkinCatalogueHandlers& catalogue;
        QListWidget& ListBox2;
        QAbstractButton& manrb;
        QWidget& savebt;
        const FileDialogRequest& od;
        FileDialogRequest& sv;
    };

    explicit XmlFileActions(const Parts& parts);

    // "Load XML file". A file that fails the colour-document test switches back to loading by
    // hand and says so; nothing is loaded.
    void lsbtClick();
    // "Save XML file as...". Cancelling the dialog writes nothing, not even the working copy.
    void savebtClick();
    // "Save to skin". The success message comes only after the skin's file was replaced.
    void sxmlbtClick();

private:
    // The file replaces the destination in one step, so the user keeps either the old file or
    // the new one; a failure raises InOutError naming the destination and the reason.
    void saveTo(const std::string& destination);

    Parts m_parts;
    ColourXmlWriter m_writer;
};

} // namespace tintabel
