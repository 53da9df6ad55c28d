#pragma once

#include "colours/ColourValue.h"
#include "colours/SlotScheme.h"

#include <string>
#include <string_view>
#include <vector>

namespace tintabel {

class FileSystem;

// One colour entry that a scheme changes: its slot's name and its colour and alpha text before
// and after.
struct ColourChange {
    std::string name;
    ColourValue fromColour = 0;
    std::string fromAlpha;
    ColourValue toColour = 0;
    std::string toAlpha;

    // "name: R,G,B,A -> R,G,B,A"
    std::string text() const;
};

// What putting a scheme into one colour file did, or would do.
struct ColourFileOutcome {
    std::string path;
    std::vector<ColourChange> changes; // in slot order; none: the file stays as it is
    std::string failure; // why the file could not be read or written; it was left untouched
};

// Puts one scheme into skins' colour files as the window would: each file is read by the colour
// XML reader's rules, the scheme goes into its slots, and the colour XML writer writes them back,
// so that only the changed values differ, and the file is replaced in one step.
class SchemeApplication {
public:
    SchemeApplication(FileSystem& files, SlotScheme scheme);

    // The colour files a target names: a file names itself; a skin's folder names every colour
    // file the skin catalogue lists in its settings folder, each once. Raises the catalogue's
    // error for a folder whose files cannot be listed.
    std::vector<std::string> colourFiles(const std::string& target) const;

    // Reads the file and, unless only asked what would change, writes it back when anything
    // changes. A file that is no colour document, cannot be read or cannot be written comes back
    // with the reason and is left as it was.
    ColourFileOutcome apply(const std::string& path, bool write) const;

private:
    FileSystem& m_files;
    SlotScheme m_scheme;
};

} // namespace tintabel
