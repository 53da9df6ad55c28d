#include "platform/doubles/FaultyFileSystem.h"

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

bool withinAny(const fs::path& path, const std::vector<fs::path>& folders)
{
    return std::any_of(folders.begin(), folders.end(),
        [&path](const fs::path& folder) { return within(path, folder); });
}

} // namespace

FaultyFileSystem::FaultyFileSystem(Environment env)
    : m_real(std::move(env))
{
}

fs::path FaultyFileSystem::normalised(std::string_view path) const
{
    const auto local = toLocalPath(path, m_real.environment());
    if (!local)
        return {};
    // Links resolved, so a drive path and the folder it leads to compare equal.
    std::error_code error;
    const fs::path resolved = fs::weakly_canonical(fs::absolute(*local), error);
    return error ? local->lexically_normal() : resolved;
}

void FaultyFileSystem::refuseWrites(std::string_view path)
{
    m_refusedWrites.push_back(normalised(path));
}

void FaultyFileSystem::refuseReads(std::string_view path)
{
    m_refusedReads.push_back(normalised(path));
}

void FaultyFileSystem::failWrites(std::string_view path, int errorNumber)
{
    m_failedWrites.emplace_back(normalised(path), errorNumber);
}

bool FaultyFileSystem::writeRefused(std::string_view path) const
{
    return withinAny(normalised(path), m_refusedWrites);
}

int FaultyFileSystem::writeError(std::string_view path) const
{
    if (writeRefused(path))
        return EACCES;
    const fs::path local = normalised(path);
    for (const auto& [folder, error] : m_failedWrites) {
        if (within(local, folder))
            return error;
    }
    return 0;
}

bool FaultyFileSystem::readRefused(std::string_view path) const
{
    return withinAny(normalised(path), m_refusedReads);
}

bool FaultyFileSystem::fileExists(std::string_view path)
{
    return m_real.fileExists(path);
}

bool FaultyFileSystem::folderExists(std::string_view path)
{
    return m_real.folderExists(path);
}

std::vector<FolderEntry> FaultyFileSystem::list(std::string_view pattern)
{
    return m_real.list(pattern);
}

bool FaultyFileSystem::copyFile(std::string_view from, std::string_view to)
{
    return !readRefused(from) && writeError(to) == 0 && m_real.copyFile(from, to);
}

void FaultyFileSystem::copyFileOrThrow(std::string_view from, std::string_view to)
{
    const int error = readRefused(from) ? EACCES : writeError(to);
    if (error != 0)
        throw InOutError(copyFailureText(to, ioReason(error)));
    m_real.copyFileOrThrow(from, to);
}

bool FaultyFileSystem::deleteFile(std::string_view path)
{
    return !writeRefused(path) && m_real.deleteFile(path);
}

bool FaultyFileSystem::setNormalAttributes(std::string_view path)
{
    return !writeRefused(path) && m_real.setNormalAttributes(path);
}

bool FaultyFileSystem::makeFolderTree(std::string_view path)
{
    return writeRefused(path) ? m_real.folderExists(path) : m_real.makeFolderTree(path);
}

bool FaultyFileSystem::removeFolder(std::string_view path)
{
    return !writeRefused(path) && m_real.removeFolder(path);
}

bool FaultyFileSystem::deleteTree(std::string_view base, std::string_view subPath)
{
    const std::string tree = std::string(base) + std::string(subPath);
    const fs::path folder = normalised(tree);
    const bool holdsRefused = std::any_of(m_refusedWrites.begin(), m_refusedWrites.end(),
        [&folder](const fs::path& refused) { return within(refused, folder); });
    if (writeRefused(tree) || holdsRefused)
        return false;
    return m_real.deleteTree(base, subPath);
}

std::string FaultyFileSystem::readFile(std::string_view path)
{
    if (readRefused(path))
        throw InOutError(accessDenied);
    return m_real.readFile(path);
}

void FaultyFileSystem::writeFileAtomically(
    std::string_view path, std::string_view bytes, WriteDurability durability)
{
    if (const int error = writeError(path))
        throw InOutError(copyFailureText(path, ioReason(error)));
    m_real.writeFileAtomically(path, bytes, durability);
}

std::unique_ptr<RecordFile> FaultyFileSystem::openRecords(
    std::string_view path, std::size_t recordSize, RecordAccess access)
{
    if (readRefused(path) || (access != RecordAccess::ReadOnly && writeRefused(path)))
        throw InOutError(accessDenied);
    return m_real.openRecords(path, recordSize, access);
}

} // namespace tintabel
