#pragma once

#include "platform/AtomicWrite.h"
#include "platform/RecordFile.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tintabel {

// One entry of a folder listing, with the attributes the program filters on. On Linux a name
// that starts with "." is hidden, nothing is a system entry, and a file its owner may not
// write is read-only.
struct FolderEntry {
    std::string name;
    bool isFolder = false;
    bool hidden = false;
    bool system = false;
    bool readOnly = false;
};

enum class RecordAccess {
    ReadOnly, // the file must exist
    ReadWrite, // the file must exist
    Create, // a new empty file, replacing one that exists
};

// The file system as the program sees it. Every path argument is a path text as the program
// builds it (see toLocalPath): mixed separators, doubled separators and drive paths are fine.
// Results of copies and removals are reported, not raised: the callers decide what a failure means.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // A plain file (not a folder) is there; hidden files count.
    virtual bool fileExists(std::string_view path) = 0;
    virtual bool folderExists(std::string_view path) = 0;

    // The entries of a folder that match a wildcard pattern given as its last part
    // ("<folder>\*.", "<folder>/*.xml"), "." and ".." excluded, in a stable order (by name,
    // without regard to case). "*" and "?" as on Windows, names compared without regard to case;
    // "*." matches names without a ".". A missing folder lists nothing.
    virtual std::vector<FolderEntry> list(std::string_view pattern) = 0;

    // Copies a file over the destination, replacing it. The copy is atomic: the new content goes
    // to a temporary file beside the destination and is renamed over it, so a failure of any kind
    // leaves the destination exactly as it was. Returns whether it succeeded.
    virtual bool copyFile(std::string_view from, std::string_view to) = 0;
    // Like copyFile, but a failure raises InOutError naming the destination and the reason.
    virtual void copyFileOrThrow(std::string_view from, std::string_view to) = 0;

    virtual bool deleteFile(std::string_view path) = 0;
    // Clears read-only (makes the file writable by its owner); hidden and system have no meaning
    // here.
    virtual bool setNormalAttributes(std::string_view path) = 0;
    // Creates a folder with its missing parents; succeeds when it is already there.
    virtual bool makeFolderTree(std::string_view path) = 0;
    // Like makeFolderTree, but a failure raises InOutError naming the folder and the reason.
    virtual void makeFolderTreeOrThrow(std::string_view path) = 0;
    // Creates a new folder in parent that only its owner may enter, named namePrefix and a few
    // characters that no other folder there has; returns its path. A failure raises InOutError
    // naming parent and the reason.
    virtual std::string makePrivateFolder(std::string_view parent, std::string_view namePrefix) = 0;
    // Removes an empty folder.
    virtual bool removeFolder(std::string_view path) = 0;
    // Deletes the folder base + subPath with everything in it: sub-folders by recursion on
    // subPath + "\" + name, files after losing read-only, then the folder itself. A symbolic
    // link is removed as a link and never followed. False when some file could not be deleted.
    virtual bool deleteTree(std::string_view base, std::string_view subPath) = 0;

    // Whole-file reads and writes. readFile raises InOutError; writeFileAtomically writes a
    // temporary file beside the destination and renames it over, raising InOutError naming the
    // destination and the reason and leaving the old file whole on failure.
    virtual std::string readFile(std::string_view path) = 0;
    virtual void writeFileAtomically(std::string_view path, std::string_view bytes,
        WriteDurability durability = WriteDurability::FlushToDisk)
        = 0;

    // Opens a file of fixed-size records; raises InOutError with the reason on failure.
    virtual std::unique_ptr<RecordFile> openRecords(
        std::string_view path, std::size_t recordSize, RecordAccess access)
        = 0;
};

} // namespace tintabel
