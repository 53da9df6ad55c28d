#pragma once

#include "platform/Environment.h"

#include <functional>
#include <string>

namespace tintabel {

class FileSystem;
class Registry;
class Dialogs;
class MessageBoxes;
class Shell;
class Downloader;
class PictureLoader;

// The platform services a window works with, handed down by reference. The program fills it
// with the Linux implementations; tests fill it with doubles and temporary folders.
struct Services {
    FileSystem& files;
    Registry& registry;
    Dialogs& dialogs;
    MessageBoxes& messages;
    Shell& shell;
    Downloader& downloader;
    PictureLoader& pictures;
    Environment environment;
    // Full path of the program file; its folder is the program folder. The shipped files lie
    // there too, or, in an installed copy, at ../share/veldo-tintabel (shippedFilesFolder).
    std::string programFile;
    // Lets pending user-interface events run (during long scans).
    std::function<void()> processEvents = [] {};
};

} // namespace tintabel
