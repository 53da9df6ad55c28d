#pragma once

#include "platform/FileSystem.h"

#include <string>
#include <string_view>

namespace tintabel {

// The folder of the files that ship with the program (templates, help pages, "standard.jpg"),
// ending in a separator. An installed program finds them at installedFromProgram relative to its
// own folder ("../share/veldo-tintabel"), so a copy installed under any prefix, or unpacked
// anywhere, works; a program run from its build folder has them beside it.
std::string shippedFilesFolder(
    std::string_view programFile, std::string_view installedFromProgram, FileSystem& files);

} // namespace tintabel
