#include "platform/AtomicWrite.h"

#include "platform/Errors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <string>
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
    case EDQUOT:
        return "Disk full";
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

void replaceAtomically(const std::filesystem::path& destination, mode_t newFileMode,
    WriteDurability durability, const ContentWriter& writeContent)
{
    const std::filesystem::path folder
        = destination.has_parent_path() ? destination.parent_path() : std::filesystem::path(".");
    // The temporary name must stay within the length a file name may have.
    const std::string name = destination.filename().string().substr(0, 200);
    std::string temporary = (folder / ("." + name + ".XXXXXX")).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        throw InOutError(ioReason(errno));

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
    if (error != 0) {
        ::unlink(temporary.c_str());
        throw InOutError(ioReason(error));
    }
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
