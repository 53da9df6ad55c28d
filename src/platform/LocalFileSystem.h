#pragma once

#include "platform/Environment.h"
#include "platform/FileSystem.h"

#include <filesystem>
#include <optional>

namespace tintabel {

// The file system of this machine. A file its owner may not write stands for a read-only file:
// it is neither replaced, deleted nor opened for writing, as Windows refuses those.
class LocalFileSystem : public FileSystem {
public:
    explicit LocalFileSystem(Environment env);

    bool fileExists(std::string_view path) override;
    bool folderExists(std::string_view path) override;
    std::vector<FolderEntry> list(std::string_view pattern) override;
    bool copyFile(std::string_view from, std::string_view to) override;
    void copyFileOrThrow(std::string_view from, std::string_view to) override;
    bool deleteFile(std::string_view path) override;
    bool setNormalAttributes(std::string_view path) override;
    bool makeFolderTree(std::string_view path) override;
    void makeFolderTreeOrThrow(std::string_view path) override;
    std::string makePrivateFolder(std::string_view parent, std::string_view namePrefix) override;
    bool removeFolder(std::string_view path) override;
    bool deleteTree(std::string_view base, std::string_view subPath) override;
    std::string readFile(std::string_view path) override;
    void writeFileAtomically(std::string_view path, std::string_view bytes,
        WriteDurability durability = WriteDurability::FlushToDisk) override;
    std::unique_ptr<RecordFile> openRecords(
        std::string_view path, std::size_t recordSize, RecordAccess access) override;

    const Environment& environment() const { return m_env; }

private:
    std::optional<std::filesystem::path> local(std::string_view path) const;

    Environment m_env;
};

// The text of a failed copy or write: it names the destination as the program wrote it and the
// reason.
std::string copyFailureText(std::string_view destination, std::string_view reason);

} // namespace tintabel
