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

    // A runtime folder this user may not write (one kept through su) still leaves the temporary
    // folder; the user hears of it only when neither will do.
    std::vector<std::string> bases {env.tempFolder};
    if (!env.runtimeFolder.empty())
        bases.insert(bases.begin(), env.runtimeFolder);
    std::vector<std::string> failures;
    for (const std::string& base : bases) {
        try {
            temp = files.makePrivateFolder(base, std::string(kName) + "-");
            break;
        } catch (const InOutError& error) {
            failures.push_back(error.what());
        }
    }
    for (const std::string& failure : failures) {
        if (temp.empty())
            problems.push_back(failure);
        else
            qCWarning(logFiles, "%s", failure.c_str());
    }
}

} // namespace tintabel
