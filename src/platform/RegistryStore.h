#pragma once

#include "platform/Environment.h"
#include "platform/TreeBackedRegistry.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tintabel {

// The settings store on Linux: both roots in one text file in the registry editor's export
// format (see RegistryFile), by default $XDG_CONFIG_HOME/veldo-tintabel/registry.reg.
//
// Reading never creates the file. Every call first looks whether the file changed on disk (another
// running copy may have written it) and reads it again if so. Every write saves the whole file
// atomically; a write that cannot be saved raises RegistryError with the reason and changes
// nothing. A file that cannot be read or parsed is never overwritten: the first call that meets
// it raises RegistryError naming the file and the line, later reads answer as if it were empty
// and later writes keep raising that text until the file is mended.
class RegistryStore final : public TreeBackedRegistry {
public:
    explicit RegistryStore(const Environment& environment);
    explicit RegistryStore(std::filesystem::path file);

    static std::filesystem::path defaultFile(const Environment& environment);
    const std::filesystem::path& file() const { return m_file; }

private:
    // What identifies one version of the file on disk.
    struct Stamp {
        bool exists = false;
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t seconds = 0, nanoseconds = 0;
        bool operator==(const Stamp&) const = default;
    };

    Stamp stampNow() const;
    // Reads the file again when it changed since it was last read.
    void refresh();
    const RegistryTree& treeForReading() override;
    void write(RegistryRoot root, std::string_view key, RegistryTree::Value value) override;

    std::filesystem::path m_file;
    RegistryTree m_tree;
    std::optional<Stamp> m_stamp; // nothing before the first read
    std::optional<std::string> m_fault; // why the file on disk cannot be used
    bool m_faultReported = false;
};

} // namespace tintabel
