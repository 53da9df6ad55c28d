#include "app/ProgramFolders.h"

#include "app/LogCategories.h"
#include "app/Version.h"
#include "platform/Environment.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/ShippedFilesFolder.h"

#include <optional>

namespace tintabel {

namespace {

// Makes our folder under base with its parents; why it could not, when it could not.
std::optional<std::string> folderProblem(FileSystem& files, const std::string& base)
{
    try {
        files.makeFolderTreeOrThrow(base + "/" + ProgramFolders::kName);
        return std::nullopt;
    } catch (const InOutError& error) {
        return error.what();
    }
}

} // namespace

ProgramFolders::ProgramFolders(
    const std::string& programFile, const Environment& env, FileSystem& files)
    : data(shippedFilesFolder(programFile, version::kDataFromProgram, files))
    , state(env.stateHome + "/" + kName + "/")
    , cache(env.cacheHome + "/" + kName + "/")
{
    if (const auto problem = folderProblem(files, env.stateHome)) {
        problems.push_back(*problem);
        state.clear();
    }
    if (const auto problem = folderProblem(files, env.cacheHome))
        qCWarning(logUpdate, "%s", problem->c_str());

    try {
        temp = files.makePrivateFolder(
            env.runtimeFolder.empty() ? env.tempFolder : env.runtimeFolder,
            std::string(kName) + "-");
    } catch (const InOutError& error) {
        problems.push_back(error.what());
    }
}

} // namespace tintabel
