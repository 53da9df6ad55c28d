#include "platform/LocalRecordFile.h"

#include "platform/AtomicWrite.h"
#include "platform/Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace tintabel {

namespace {

constexpr const char* readBeyondEnd = "Read beyond end of file";

[[noreturn]] void fail(int error)
{
    throw InOutError(ioReason(error));
}

// A missing folder on the way is a missing path, as Windows tells it, not a missing file.
int openError(const std::filesystem::path& path, int error)
{
    std::error_code ignored;
    if (error == ENOENT && path.has_parent_path()
        && !std::filesystem::is_directory(path.parent_path(), ignored))
        return ENOTDIR;
    return error;
}

// Reads what is there at the offset, up to size bytes; 0 at the end of the file.
std::size_t readAt(int descriptor, void* buffer, std::size_t size, off_t offset)
{
    for (;;) {
        const ssize_t got = ::pread(descriptor, buffer, size, offset);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            fail(errno);
    }
}

} // namespace

std::unique_ptr<LocalRecordFile> LocalRecordFile::open(
    const std::filesystem::path& path, std::size_t recordSize, RecordAccess access)
{
    if (recordSize == 0)
        throw std::invalid_argument("a record file needs records of at least one byte");
    struct stat info { };
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode))
        fail(EISDIR);
    // Root may write anything, so a read-only file is refused here rather than by open.
    if (exists && access != RecordAccess::ReadOnly && !(info.st_mode & S_IWUSR))
        fail(EACCES);

    int flags = O_CLOEXEC;
    switch (access) {
    case RecordAccess::ReadOnly:
        flags |= O_RDONLY;
        break;
    case RecordAccess::ReadWrite:
        flags |= O_RDWR;
        break;
    case RecordAccess::Create:
        flags |= O_RDWR | O_CREAT | O_TRUNC;
        break;
    }
    const int descriptor = ::open(path.c_str(), flags, 0666);
    if (descriptor < 0)
        fail(openError(path, errno));
    return std::unique_ptr<LocalRecordFile>(new LocalRecordFile(descriptor, recordSize));
}

std::string LocalRecordFile::readWhole(const std::filesystem::path& path)
{
    const auto file = open(path, 1, RecordAccess::ReadOnly);
    std::string bytes = file->readAll();
    file->close();
    return bytes;
}

LocalRecordFile::LocalRecordFile(int descriptor, std::size_t recordSize)
    : m_descriptor(descriptor)
    , m_recordSize(recordSize)
{
}

LocalRecordFile::~LocalRecordFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

int LocalRecordFile::openDescriptor() const
{
    if (m_descriptor < 0)
        throw InOutError("File not open");
    return m_descriptor;
}

off_t LocalRecordFile::offsetOf(std::uint64_t index, std::size_t size) const
{
    if (size != m_recordSize)
        throw std::invalid_argument("a record buffer must have the file's record size");
    const auto limit = static_cast<std::uint64_t>(std::numeric_limits<off_t>::max());
    if (index > limit / m_recordSize - 1)
        fail(EFBIG);
    return static_cast<off_t>(index * m_recordSize);
}

std::uint64_t LocalRecordFile::count()
{
    struct stat info { };
    if (::fstat(openDescriptor(), &info) != 0)
        fail(errno);
    return static_cast<std::uint64_t>(info.st_size) / m_recordSize;
}

void LocalRecordFile::read(std::uint64_t index, std::span<std::uint8_t> record)
{
    const int descriptor = openDescriptor();
    if (index >= count())
        throw InOutError(readBeyondEnd);
    const off_t offset = offsetOf(index, record.size());
    std::size_t done = 0;
    while (done < record.size()) {
        const std::size_t got = readAt(descriptor, record.data() + done, record.size() - done,
            offset + static_cast<off_t>(done));
        if (got == 0)
            throw InOutError(readBeyondEnd);
        done += got;
    }
}

void LocalRecordFile::write(std::uint64_t index, std::span<const std::uint8_t> record)
{
    const int descriptor = openDescriptor();
    const off_t offset = offsetOf(index, record.size());
    std::size_t done = 0;
    while (done < record.size()) {
        const ssize_t written = ::pwrite(descriptor, record.data() + done, record.size() - done,
            offset + static_cast<off_t>(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            fail(errno == EBADF ? EACCES : errno);
        done += static_cast<std::size_t>(written);
    }
}

std::string LocalRecordFile::readAll()
{
    const int descriptor = openDescriptor();
    std::string bytes;
    char buffer[64 * 1024];
    while (const std::size_t got
        = readAt(descriptor, buffer, sizeof buffer, static_cast<off_t>(bytes.size())))
        bytes.append(buffer, got);
    return bytes;
}

void LocalRecordFile::close()
{
    if (m_descriptor < 0)
        return;
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    if (::close(descriptor) != 0)
        fail(errno);
}

} // namespace tintabel
