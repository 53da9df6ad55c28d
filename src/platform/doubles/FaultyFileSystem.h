#pragma once

#include "platform/LocalFileSystem.h"

#include <filesystem>
#include <utility>
#include <vector>

namespace tintabel {

// The real file system, except that folders the test names behave as folders that may not be
// written (tests run as root, so permission bits cannot show that): every operation there that
// would create, change or delete something fails as the real one fails on such a folder.
class FaultyFileSystem : public FileSystem {
public:
    explicit FaultyFileSystem(Environment env);

    // Refuses changes at or under the path (a path text, as the program writes them).
    void refuseWrites(std::string_view path);
    // Refuses reading files at or under the path too (the files can still be seen).
    void refuseReads(std::string_view path);
    // Writes of new content at or under the path fail with the error number (ENOSPC as on a full
    // disk, EDQUOT as over a quota); the files there stay as they were.
    void failWrites(std::string_view path, int errorNumber);

    bool fileExists(std::string_view path) override;
    bool folderExists(std::string_view path) override;
    std::vector<FolderEntry> list(std::string_view pattern) override;
    bool copyFile(std::string_view from, std::string_view to) override;
    void copyFileOrThrow(std::string_view from, std::string_view to) override;
    bool deleteFile(std::string_view path) override;
    bool setNormalAttributes(std::string_view path) override;
    bool makeFolderTree(std::string_view path) override;
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
    bool writeRefused(std::string_view path) const;
    bool readRefused(std::string_view path) const;
    // Why writing new content at the path fails; 0 when it does not.
    int writeError(std::string_view path) const;

    LocalFileSystem m_real;
    std::vector<std::filesystem::path> m_refusedWrites;
    std::vector<std::filesystem::path> m_refusedReads;
    std::vector<std::pair<std::filesystem::path, int>> m_failedWrites;
};

} // namespace tintabel
