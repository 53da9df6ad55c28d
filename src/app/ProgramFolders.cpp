#include "app/ProgramFolders.h"

#include "app/Version.h"
#include "platform/ShippedFilesFolder.h"

namespace tintabel {

ProgramFolders::ProgramFolders(const std::string& programFile, FileSystem& files)
    : program(programFile.substr(0, programFile.find_last_of("/\\") + 1))
    , temp(program + "\\temp")
    , data(shippedFilesFolder(programFile, version::kDataFromProgram, files))
{
}

} // namespace tintabel
