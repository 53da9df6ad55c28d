#pragma once

#include "platform/Errors.h"
#include "platform/FileSystem.h"

#include <map>
#include <string>

namespace tintabel::testing {

// A FileSystem that keeps whole files in memory, for code that only reads and writes whole files.
// Reads and writes can be refused; everything else finds nothing and changes nothing.
class MemoryFiles : public FileSystem {
public:
    std::map<std::string, std::string, std::less<>> files;
    bool refuseReads = false;
    bool refuseWrites = false;

    bool fileExists(std::string_view path) override { return files.contains(path); }
    bool folderExists(std::string_view) override { return false; }
    std::vector<FolderEntry> list(std::string_view) override { return {}; }
    bool copyFile(std::string_view, std::string_view) override { return false; }
    void copyFileOrThrow(std::string_view, std::string_view) override { }
    bool deleteFile(std::string_view) override { return false; }
    bool setNormalAttributes(std::string_view) override { return false; }
    bool makeFolderTree(std::string_view) override { return false; }
    void makeFolderTreeOrThrow(std::string_view) override { }
    std::string makePrivateFolder(std::string_view, std::string_view) override { return {}; }
    bool removeFolder(std::string_view) override { return false; }
    bool deleteTree(std::string_view, std::string_view) override { return false; }
    std::string readFile(std::string_view path) override
    {
        if (refuseReads)
            throw InOutError("File access denied");
        const auto found = files.find(path);
        if (found == files.end())
            throw InOutError("File not found");
        return found->second;
    }
    void writeFileAtomically(
        std::string_view path, std::string_view bytes, WriteDurability) override
    {
        if (refuseWrites)
            throw InOutError("File access denied");
        files[std::string(path)] = std::string(bytes);
    }
    std::unique_ptr<RecordFile> openRecords(std::string_view, std::size_t, RecordAccess) override
    {
        return nullptr;
    }
};

} // namespace tintabel::testing
