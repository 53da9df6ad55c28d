#include "platform/RegistryStore.h"

#include "platform/AtomicWrite.h"
#include "platform/Errors.h"
#include "platform/LocalRecordFile.h"
#include "platform/RegistryFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tintabel {

namespace {

// Holds an exclusive lock on the store's folder, so that two running copies never interleave
// their read-change-save steps. A folder that cannot be opened is not locked: the save will then
// fail and say why.
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& folder)
        : m_descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (m_descriptor >= 0) {
            while (::flock(m_descriptor, LOCK_EX) != 0 && errno == EINTR) { }
        }
    }
    ~FolderLock()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor); // closing releases the lock
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int m_descriptor;
};

std::string saveFailure(const std::filesystem::path& file, std::string_view reason)
{
    return formatMessage("The settings cannot be saved to '%s': %s", {file.string(), reason});
}

} // namespace

RegistryStore::RegistryStore(const Environment& environment)
    : RegistryStore(defaultFile(environment))
{
}

RegistryStore::RegistryStore(std::filesystem::path file)
    : m_file(std::move(file))
{
}

std::filesystem::path RegistryStore::defaultFile(const Environment& environment)
{
    const std::filesystem::path config = environment.configHome.empty()
        ? std::filesystem::path(environment.home) / ".config"
        : std::filesystem::path(environment.configHome);
    return config / "veldo-tintabel" / "registry.reg";
}

RegistryStore::Stamp RegistryStore::stampNow() const
{
    struct stat status { };
    if (::stat(m_file.c_str(), &status) != 0)
        return {};
    return {true, static_cast<std::uint64_t>(status.st_dev),
        static_cast<std::uint64_t>(status.st_ino), static_cast<std::uint64_t>(status.st_size),
        status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
}

void RegistryStore::refresh()
{
    // The stamp is taken before reading: a change made while reading shows as a new stamp next
    // time, so the file is read once more rather than missed.
    const Stamp stamp = stampNow();
    if (m_stamp == stamp)
        return;
    m_stamp = stamp;
    m_tree = {};
    m_fault.reset();
    m_faultReported = false;
    if (!stamp.exists)
        return;

    std::string text;
    try {
        text = LocalRecordFile::readWhole(m_file);
    } catch (const InOutError& error) {
        m_fault = formatMessage("The settings file '%s' cannot be read: %s. It was left unchanged.",
            {m_file.string(), error.what()});
        return;
    }
    try {
        m_tree = RegistryFile::parse(text);
    } catch (const RegistryFormatError& error) {
        m_fault = formatMessage(
            "The settings file '%s' cannot be read: line %d: %s. It was left unchanged.",
            {m_file.string(), std::to_string(error.line()), error.what()});
    }
}

const RegistryTree& RegistryStore::treeForReading()
{
    refresh();
    if (m_fault && !m_faultReported) {
        m_faultReported = true;
        throw RegistryError(*m_fault);
    }
    return m_tree;
}

void RegistryStore::write(RegistryRoot root, std::string_view key, RegistryTree::Value value)
{
    const std::filesystem::path folder = m_file.parent_path();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw RegistryError(saveFailure(m_file, ioReason(error.value())));

    const FolderLock lock(folder);
    refresh();
    if (m_fault) {
        m_faultReported = true;
        throw RegistryError(*m_fault);
    }
    // The change is made on a copy and kept only once it is on disk.
    RegistryTree changed = m_tree;
    changed.setValue(root, key, std::move(value));
    try {
        writeFileAtomically(m_file, RegistryFile::format(changed));
    } catch (const InOutError& failure) {
        throw RegistryError(saveFailure(m_file, failure.what()));
    }
    m_tree = std::move(changed);
    m_stamp = stampNow();
}

} // namespace tintabel
