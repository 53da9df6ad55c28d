#include "platform/AtomicWrite.h"

#include "platform/Errors.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tintabel {

std::string ioReason(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return "File access denied";
    case ENOENT:
        return "File not found";
    case ENOTDIR:
        return "Path not found";
    case ENOSPC:
        return "Disk full";
    case EDQUOT:
        return "Disk quota exceeded";
    case ENAMETOOLONG:
        return "Invalid file name";
    default:
        return std::strerror(errorNumber);
    }
}

namespace {

bool writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Returns 0 when the content is written, else the error number.
using ContentWriter = std::function<int(int descriptor)>;

constexpr std::size_t kRandomLength = 6; // what mkstemp puts in place of its "XXXXXX"

// The name of the destination's temporaries without their random end. The destination's name is
// cut so that the whole stays within the length a file name may have.
std::string temporaryPrefix(const std::filesystem::path& destination)
{
    return "." + destination.filename().string().substr(0, 200) + ".tintabel-";
}

bool isTemporary(std::string_view name, std::string_view prefix)
{
    return name.size() == prefix.size() + kRandomLength && name.starts_with(prefix)
        && std::all_of(name.end() - kRandomLength, name.end(), [](char character) {
               return (character >= '0' && character <= '9')
                   || (character >= 'A' && character <= 'Z')
                   || (character >= 'a' && character <= 'z');
           });
}

void removeStaleTemporaries(const std::filesystem::path& folder, std::string_view prefix)
{
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return;
    while (const dirent* entry = ::readdir(listing)) {
        if (!isTemporary(entry->d_name, prefix))
            continue;
        const std::filesystem::path path = folder / entry->d_name;
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0)
            continue;
        struct stat info { };
        if (::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode)
            && ::flock(descriptor, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.c_str());
        ::close(descriptor); // and with it the lock
    }
    ::closedir(listing);
}

// Creates a temporary beside the destination and locks it; path receives its name.
int createLockedTemporary(
    const std::filesystem::path& folder, const std::string& prefix, std::string& path)
{
    for (;;) {
        path = (folder / (prefix + std::string(kRandomLength, 'X'))).string();
        const int descriptor = ::mkostemp(path.data(), O_CLOEXEC);
        if (descriptor < 0)
            throw InOutError(ioReason(errno));
        while (::flock(descriptor, LOCK_EX) != 0 && errno == EINTR) { }
        // Another running copy may have taken it for a stale one between its creation and the
        // lock, and removed it: then it is made again.
        struct stat info { };
        if (::fstat(descriptor, &info) != 0 || info.st_nlink > 0)
            return descriptor;
        ::close(descriptor);
    }
}

void replaceAtomically(const std::filesystem::path& destination, mode_t newFileMode,
    WriteDurability durability, const ContentWriter& writeContent)
{
    const std::filesystem::path folder
        = destination.has_parent_path() ? destination.parent_path() : std::filesystem::path(".");
    const std::string prefix = temporaryPrefix(destination);
    removeStaleTemporaries(folder, prefix);
    std::string temporary;
    const int descriptor = createLockedTemporary(folder, prefix, temporary);
    // The lock belongs to the open file, which this second descriptor keeps open after the first
    // is closed (its close reports the last write errors) until the rename is done.
    const int lockHolder = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);

    // A replaced file keeps its permissions.
    struct stat existing { };
    const mode_t mode
        = ::stat(destination.c_str(), &existing) == 0 ? existing.st_mode & 07777 : newFileMode;
    ::fchmod(descriptor, mode);

    int error = writeContent(descriptor);
    const bool flush = durability == WriteDurability::FlushToDisk;
    if (error == 0 && flush && ::fsync(descriptor) != 0)
        error = errno;
    if (::close(descriptor) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), destination.c_str()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.c_str());
    if (lockHolder >= 0)
        ::close(lockHolder);
    if (error != 0)
        throw InOutError(ioReason(error));
    if (!flush)
        return;
    // The rename itself is only durable once the folder is flushed too.
    const int folderDescriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderDescriptor >= 0) {
        ::fsync(folderDescriptor);
        ::close(folderDescriptor);
    }
}

} // namespace

void writeFileAtomically(
    const std::filesystem::path& destination, std::string_view bytes, WriteDurability durability)
{
    replaceAtomically(destination, 0644, durability,
        [bytes](int descriptor) { return writeAll(descriptor, bytes) ? 0 : errno; });
}

void copyFileAtomically(
    const std::filesystem::path& source, const std::filesystem::path& destination)
{
    const int input = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (input < 0)
        throw InOutError(ioReason(errno));
    struct stat info { };
    if (::fstat(input, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(input);
        throw InOutError(ioReason(error));
    }
    try {
        replaceAtomically(destination, info.st_mode & 07777, WriteDurability::FlushToDisk,
            [input](int descriptor) {
                char buffer[64 * 1024];
                for (;;) {
                    const ssize_t got = ::read(input, buffer, sizeof buffer);
                    if (got < 0 && errno == EINTR)
                        continue;
                    if (got < 0)
                        return errno;
                    if (got == 0)
                        return 0;
                    if (!writeAll(
                            descriptor, std::string_view(buffer, static_cast<std::size_t>(got))))
                        return errno;
                }
            });
    } catch (...) {
        ::close(input);
        throw;
    }
    ::close(input);
}

} // namespace tintabel
