#include "platform/doubles/FaultyFileSystem.h"

#include "platform/AtomicWrite.h"
#include "platform/Errors.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cerrno>

namespace tintabel {

namespace fs = std::filesystem;

namespace {

constexpr const char* accessDenied = "File access denied";

bool within(const fs::path& path, const fs::path& folder)
{
    return !folder.empty()
        && std::mismatch(folder.begin(), folder.end(), path.begin(), path.end()).first
        == folder.end();
}

} // namespace

fs::path FaultyFileSystem::normalised(std::string_view path) const
{
    const auto local = toLocalPath(path, environment());
    if (!local)
        return {};
    // Links resolved, so a drive path and the folder it leads to compare equal.
    std::error_code error;
    const fs::path resolved = fs::weakly_canonical(fs::absolute(*local), error);
    return error ? local->lexically_normal() : resolved;
}

bool FaultyFileSystem::refused(const std::vector<fs::path>& folders, std::string_view path) const
{
    return std::any_of(folders.begin(), folders.end(),
        [path = normalised(path)](const fs::path& folder) { return within(path, folder); });
}

void FaultyFileSystem::failWrites(std::string_view path, int errorNumber)
{
    m_failedWrites.emplace_back(normalised(path), errorNumber);
}

int FaultyFileSystem::writeError(std::string_view path) const
{
    if (refused(m_refusedWrites, path))
        return EACCES;
    const fs::path local = normalised(path);
    for (const auto& [folder, error] : m_failedWrites) {
        if (within(local, folder))
            return error;
    }
    return 0;
}

bool FaultyFileSystem::copyFile(std::string_view from, std::string_view to)
{
    return !refused(m_refusedReads, from) && writeError(to) == 0
        && LocalFileSystem::copyFile(from, to);
}

void FaultyFileSystem::copyFileOrThrow(std::string_view from, std::string_view to)
{
    const int error = refused(m_refusedReads, from) ? EACCES : writeError(to);
    if (error != 0)
        throw InOutError(copyFailureText(to, ioReason(error)));
    LocalFileSystem::copyFileOrThrow(from, to);
}

bool FaultyFileSystem::deleteFile(std::string_view path)
{
    return !refused(m_refusedWrites, path) && LocalFileSystem::deleteFile(path);
}

bool FaultyFileSystem::setNormalAttributes(std::string_view path)
{
    return !refused(m_refusedWrites, path) && LocalFileSystem::setNormalAttributes(path);
}

bool FaultyFileSystem::makeFolderTree(std::string_view path)
{
    return refused(m_refusedWrites, path) ? folderExists(path)
                                          : LocalFileSystem::makeFolderTree(path);
}

bool FaultyFileSystem::removeFolder(std::string_view path)
{
    return !refused(m_refusedWrites, path) && LocalFileSystem::removeFolder(path);
}

bool FaultyFileSystem::deleteTree(std::string_view base, std::string_view subPath)
{
    const std::string tree = std::string(base) + std::string(subPath);
    const fs::path folder = normalised(tree);
    const auto holdsRefused
        = [&folder](const fs::path& refused) { return within(refused, folder); };
    return !refused(m_refusedWrites, tree)
        && std::none_of(m_refusedWrites.begin(), m_refusedWrites.end(), holdsRefused)
        && LocalFileSystem::deleteTree(base, subPath);
}

std::string FaultyFileSystem::readFile(std::string_view path)
{
    if (refused(m_refusedReads, path))
        throw InOutError(accessDenied);
    return LocalFileSystem::readFile(path);
}

void FaultyFileSystem::writeFileAtomically(
    std::string_view path, std::string_view bytes, WriteDurability durability)
{
    if (const int error = writeError(path))
        throw InOutError(copyFailureText(path, ioReason(error)));
    LocalFileSystem::writeFileAtomically(path, bytes, durability);
}

std::unique_ptr<RecordFile> FaultyFileSystem::openRecords(
    std::string_view path, std::size_t recordSize, RecordAccess access)
{
    if (refused(m_refusedReads, path)
        || (access != RecordAccess::ReadOnly && refused(m_refusedWrites, path)))
        throw InOutError(accessDenied);
    return LocalFileSystem::openRecords(path, recordSize, access);
}

} // namespace tintabel
