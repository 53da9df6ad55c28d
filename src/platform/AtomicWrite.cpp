#include "platform/AtomicWrite.h"

#include "platform/Errors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
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

} // namespace

void writeFileAtomically(const std::filesystem::path& destination, std::string_view bytes)
{
    const std::filesystem::path folder
        = destination.has_parent_path() ? destination.parent_path() : std::filesystem::path(".");
    std::string temporary = (folder / ("." + destination.filename().string() + ".XXXXXX")).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        throw InOutError(ioReason(errno));

    // A replaced file keeps its permissions; a new one gets the usual ones for a user's file.
    struct stat existing { };
    const mode_t mode
        = ::stat(destination.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644;
    ::fchmod(descriptor, mode);

    const bool written = writeAll(descriptor, bytes) && ::fsync(descriptor) == 0;
    const int writeError = errno;
    if (::close(descriptor) != 0 || !written) {
        const int error = written ? errno : writeError;
        ::unlink(temporary.c_str());
        throw InOutError(ioReason(error));
    }
    if (::rename(temporary.c_str(), destination.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw InOutError(ioReason(error));
    }
}

} // namespace tintabel
