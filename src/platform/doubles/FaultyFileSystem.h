#pragma once

#include "platform/LocalFileSystem.h"

#include <filesystem>
#include <utility>
#include <vector>

namespace tintabel {

// The real file system, except that folders the test names behave as folders that may not be
// written (tests run as root, so permission bits cannot show that): every operation there that
// would create, change or delete something fails as the real one fails on such a folder.
class FaultyFileSystem : public LocalFileSystem {
public:
    using LocalFileSystem::LocalFileSystem;

    // Refuses changes at or under the path (a path text, as the program writes them).
    void refuseWrites(std::string_view path) { m_refusedWrites.push_back(normalised(path)); }
    // Refuses reading files at or under the path too (the files can still be seen).
    void refuseReads(std::string_view path) { m_refusedReads.push_back(normalised(path)); }
    // Writes of new content at or under the path fail with the error number (ENOSPC as on a full
    // disk, EDQUOT as over a quota); the files there stay as they were.
    void failWrites(std::string_view path, int errorNumber);

    bool copyFile(std::string_view from, std::string_view to) override;
    void copyFileOrThrow(std::string_view from, std::string_view to) override;
    bool deleteFile(std::string_view path) override;
    bool setNormalAttributes(std::string_view path) override;
    bool makeFolderTree(std::string_view path) override;
    // Folders are made as on the real system (inherited), whatever writes are refused.
    bool removeFolder(std::string_view path) override;
    // A tree at or under a refused folder, or one holding such a folder, is left whole.
    bool deleteTree(std::string_view base, std::string_view subPath) override;
    std::string readFile(std::string_view path) override;
    void writeFileAtomically(std::string_view path, std::string_view bytes,
        WriteDurability durability = WriteDurability::FlushToDisk) override;
    std::unique_ptr<RecordFile> openRecords(
        std::string_view path, std::size_t recordSize, RecordAccess access) override;

private:
    std::filesystem::path normalised(std::string_view path) const;
    bool refused(const std::vector<std::filesystem::path>& folders, std::string_view path) const;
    // Why writing new content at the path fails; 0 when it does not.
    int writeError(std::string_view path) const;

    std::vector<std::filesystem::path> m_refusedWrites;
    std::vector<std::filesystem::path> m_refusedReads;
    std::vector<std::pair<std::filesystem::path, int>> m_failedWrites;
};

} // namespace tintabel
