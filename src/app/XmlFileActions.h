#pragma once

#include "colours/ColourXmlReader.h"
#include "colours/ColourXmlWriter.h"

#include <string>

namespace tintabel {

class TForm1;

// The "Load/Save XML" buttons of the main window: loading a colour document chosen by hand,
// saving the edited colours to a file the user names, and saving them over the skin's own file.
// The reader is also what the skin catalogue loads a skin's colour file with.
class XmlFileActions {
public:
    explicit XmlFileActions(TForm1& form);

    // "Load XML file". A file that fails the colour-document test switches back to loading by
    // hand and says so; nothing is loaded.
    void lsbtClick();
    // "Save XML file as...". Cancelling the dialog writes nothing, not even the working copy.
    void savebtClick();
    // "Save to skin". The success message comes only after the skin's file was replaced.
    void sxmlbtClick();

    // Reads the colour document at path into the slots through the working copy.
    void load(const std::string& path);

private:
    // The file replaces the destination in one step, so the user keeps either the old file or
    // the new one; a failure raises InOutError naming the destination and the reason.
    void saveTo(const std::string& destination);

    TForm1& m_form;
    ColourXmlReader m_reader;
    ColourXmlWriter m_writer;
};

} // namespace tintabel
