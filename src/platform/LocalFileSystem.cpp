#include "platform/LocalFileSystem.h"

#include "platform/AtomicWrite.h"
#include "platform/Errors.h"
#include "platform/LocalRecordFile.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tintabel {

namespace fs = std::filesystem;

namespace {

bool statOf(const fs::path& path, struct stat& info)
{
    return ::stat(path.c_str(), &info) == 0;
}

bool ownerMayWrite(const struct stat& info)
{
    return (info.st_mode & S_IWUSR) != 0;
}

// A destination that is a symbolic link is written through the link, as any write to it would,
// instead of the link being replaced by a file.
fs::path throughLink(const fs::path& path)
{
    std::error_code error;
    if (!fs::is_symlink(path, error))
        return path;
    const fs::path target = fs::canonical(path, error);
    return error ? path : target;
}

// Why a file may not be replaced by a new one: a folder is in the way, or the file is read-only.
// Zero when it may (also when nothing is there yet).
int replaceRefusal(const fs::path& path)
{
    struct stat info { };
    if (!statOf(path, info))
        return 0;
    if (S_ISDIR(info.st_mode))
        return EISDIR;
    return ownerMayWrite(info) ? 0 : EACCES;
}

// Empties and removes a folder. Links are removed as links, never followed, so nothing outside
// the folder is touched. Names are joined as paths, not as texts: on Linux a name may hold "\".
bool removeTree(const fs::path& folder)
{
    struct stat info { };
    if (::lstat(folder.c_str(), &info) != 0)
        return true;
    if (S_ISLNK(info.st_mode)) {
        ::unlink(folder.c_str());
        return true;
    }
    if (!S_ISDIR(info.st_mode))
        return true;
    // Removing an entry needs write permission on its folder.
    ::chmod(folder.c_str(), (info.st_mode & 07777) | S_IRWXU);

    bool allDeleted = true;
    std::vector<fs::path> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        entries.push_back(it->path());
    if (error)
        allDeleted = false;
    for (const fs::path& entry : entries) {
        struct stat entryInfo { };
        if (::lstat(entry.c_str(), &entryInfo) != 0)
            continue;
        if (S_ISDIR(entryInfo.st_mode)) {
            allDeleted = removeTree(entry) && allDeleted;
            continue;
        }
        if (!S_ISLNK(entryInfo.st_mode))
            ::chmod(entry.c_str(), (entryInfo.st_mode & 07777) | S_IWUSR);
        if (::unlink(entry.c_str()) != 0)
            allDeleted = false;
    }
    ::rmdir(folder.c_str());
    return allDeleted;
}

} // namespace

std::string copyFailureText(std::string_view destination, std::string_view reason)
{
    return formatMessage("Cannot create file \"%s\". %s", {destination, reason});
}

LocalFileSystem::LocalFileSystem(Environment env)
    : m_env(std::move(env))
{
}

std::optional<fs::path> LocalFileSystem::local(std::string_view path) const
{
    return toLocalPath(path, m_env);
}

bool LocalFileSystem::fileExists(std::string_view path)
{
    const auto file = local(path);
    struct stat info { };
    return file && statOf(*file, info) && S_ISREG(info.st_mode);
}

bool LocalFileSystem::folderExists(std::string_view path)
{
    const auto folder = local(path);
    struct stat info { };
    return folder && statOf(*folder, info) && S_ISDIR(info.st_mode);
}

std::vector<FolderEntry> LocalFileSystem::list(std::string_view pattern)
{
    const std::size_t separator = pattern.find_last_of("/\\");
    std::string_view folderText;
    std::string_view mask;
    if (separator != std::string_view::npos) {
        folderText = pattern.substr(0, std::max<std::size_t>(separator, 1));
        mask = pattern.substr(separator + 1);
    } else if (isDrivePath(pattern)) {
        folderText = pattern.substr(0, 2);
        mask = pattern.substr(2);
    } else {
        folderText = ".";
        mask = pattern;
    }
    const auto folder = local(folderText);
    if (mask.empty() || !folder)
        return {};

    std::vector<FolderEntry> entries;
    std::error_code error;
    for (fs::directory_iterator it(*folder, error), end; !error && it != end; it.increment(error)) {
        FolderEntry entry;
        entry.name = it->path().filename().string();
        if (!matchesWildcard(entry.name, mask))
            continue;
        struct stat info { };
        // A dangling link still shows, as the entry it is.
        if (!statOf(it->path(), info) && ::lstat(it->path().c_str(), &info) != 0)
            continue;
        entry.isFolder = S_ISDIR(info.st_mode);
        entry.hidden = entry.name.starts_with('.');
        entry.readOnly = !ownerMayWrite(info);
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        return nameLessIgnoringCase(a.name, b.name);
    });
    return entries;
}

bool LocalFileSystem::copyFile(std::string_view from, std::string_view to)
{
    try {
        copyFileOrThrow(from, to);
        return true;
    } catch (const InOutError&) {
        return false;
    }
}

void LocalFileSystem::copyFileOrThrow(std::string_view from, std::string_view to)
{
    const auto fail = [to](int error) { throw InOutError(copyFailureText(to, ioReason(error))); };
    const auto source = local(from);
    const auto mapped = local(to);
    if (!source || !mapped)
        fail(ENOTDIR);
    const fs::path destination = throughLink(*mapped);

    struct stat sourceInfo { };
    struct stat destinationInfo { };
    if (!statOf(*source, sourceInfo))
        fail(errno);
    if (statOf(destination, destinationInfo) && destinationInfo.st_dev == sourceInfo.st_dev
        && destinationInfo.st_ino == sourceInfo.st_ino)
        return; // A file copied onto itself already holds what it should.
    if (const int refusal = replaceRefusal(destination))
        fail(refusal);
    try {
        copyFileAtomically(*source, destination);
    } catch (const InOutError& error) {
        throw InOutError(copyFailureText(to, error.what()));
    }
}

bool LocalFileSystem::deleteFile(std::string_view path)
{
    const auto file = local(path);
    struct stat info { };
    if (!file || ::lstat(file->c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    if (!S_ISLNK(info.st_mode) && !ownerMayWrite(info))
        return false;
    return ::unlink(file->c_str()) == 0;
}

bool LocalFileSystem::setNormalAttributes(std::string_view path)
{
    const auto file = local(path);
    struct stat info { };
    return file && statOf(*file, info)
        && ::chmod(file->c_str(), (info.st_mode & 07777) | S_IWUSR) == 0;
}

bool LocalFileSystem::makeFolderTree(std::string_view path)
{
    try {
        makeFolderTreeOrThrow(path);
        return true;
    } catch (const InOutError&) {
        return false;
    }
}

void LocalFileSystem::makeFolderTreeOrThrow(std::string_view path)
{
    const auto failure = [path](int reason) {
        return InOutError(
            formatMessage("Cannot create folder \"%s\". %s", {path, ioReason(reason)}));
    };
    const auto folder = local(path);
    if (!folder)
        throw failure(ENOTDIR);
    std::error_code error;
    fs::create_directories(*folder, error);
    std::error_code ignored;
    if (fs::is_directory(*folder, ignored))
        return;
    // The system calls a file in the folder's place a missing path; the user is told what it is.
    throw failure(fs::exists(*folder, ignored) ? EEXIST : error ? error.value() : ENOENT);
}

std::string LocalFileSystem::makePrivateFolder(std::string_view parent, std::string_view namePrefix)
{
    // mkdtemp makes the folder with mode 0700 whatever the umask, under a name nobody had.
    const auto folder = local(parent);
    std::string made = folder ? (*folder / (std::string(namePrefix) + "XXXXXX")).string() : "";
    if (folder && ::mkdtemp(made.data()))
        return made;
    throw InOutError(formatMessage(
        "Cannot create a folder in \"%s\". %s", {parent, ioReason(folder ? errno : ENOTDIR)}));
}

bool LocalFileSystem::removeFolder(std::string_view path)
{
    const auto folder = local(path);
    return folder && ::rmdir(folder->c_str()) == 0;
}

bool LocalFileSystem::deleteTree(std::string_view base, std::string_view subPath)
{
    const auto folder = local(std::string(base) + std::string(subPath));
    return !folder || removeTree(*folder);
}

std::string LocalFileSystem::readFile(std::string_view path)
{
    const auto file = local(path);
    if (!file)
        throw InOutError(ioReason(ENOTDIR));
    return LocalRecordFile::readWhole(*file);
}

void LocalFileSystem::writeFileAtomically(
    std::string_view path, std::string_view bytes, WriteDurability durability)
{
    const auto fail
        = [path](int error) { throw InOutError(copyFailureText(path, ioReason(error))); };
    const auto file = local(path);
    if (!file)
        fail(ENOTDIR);
    const fs::path destination = throughLink(*file);
    if (const int refusal = replaceRefusal(destination))
        fail(refusal);
    try {
        tintabel::writeFileAtomically(destination, bytes, durability);
    } catch (const InOutError& error) {
        throw InOutError(copyFailureText(path, error.what()));
    }
}

std::unique_ptr<RecordFile> LocalFileSystem::openRecords(
    std::string_view path, std::size_t recordSize, RecordAccess access)
{
    const auto file = local(path);
    if (!file)
        throw InOutError(ioReason(ENOTDIR));
    return LocalRecordFile::open(*file, recordSize, access);
}

} // namespace tintabel
