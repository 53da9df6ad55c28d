#pragma once

#include <string>

namespace tintabel {

// The working copy of the loaded colour document: a copy in the temp folder, named after the
// document, which the reader makes and parses and the writer edits; the save actions copy it out
// whole, so the user's file is only ever replaced whole. Paths are texts as the program builds
// them.
struct WorkingCopy {
    // Where copies are made, without a trailing separator; empty when no folder could be made.
    std::string tempFolder;
    std::string path; // tempFolder + "\" + the document's file name, named by each load
};

} // namespace tintabel
