#pragma once

#include <string>

namespace tintabel {

// The colour document in use, as its loaders name it; every unload empties it. Paths are texts
// as the program builds them.
struct ColourSource {
    std::string docFileName; // the file-name part of sourcePath, which names the working copy
    std::string sourcePath; // the colour document last loaded, which "Save to skin" replaces
    std::string lastOpenedXml; // the file last chosen in the "Load XML file" dialog
};

} // namespace tintabel
