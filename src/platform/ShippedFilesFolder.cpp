#include "platform/ShippedFilesFolder.h"

#include <filesystem>

namespace tintabel {

std::string shippedFilesFolder(
    std::string_view programFile, std::string_view installedFromProgram, FileSystem& files)
{
    const std::filesystem::path programFolder = std::filesystem::path(programFile).parent_path();
    const std::string installed
        = (programFolder / installedFromProgram).lexically_normal().string();
    std::string folder = files.folderExists(installed) ? installed : programFolder.string();
    if (!folder.ends_with('/'))
        folder += '/';
    return folder;
}

} // namespace tintabel
