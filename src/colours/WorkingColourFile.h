#pragma once

#include <string>

namespace tintabel {

class FileSystem;
class SlotModel;

// The working colour file "dane.dat" in the program's state folder: the eight slots as
// ColourRecords, in slot order, rewritten whole after every load and every edit. The scheme saver
// copies it.
class WorkingColourFile {
public:
    static constexpr const char* kFileName = "dane.dat";

    // folder ends in a separator; an empty one is a folder that could not be made, and then the
    // file is never written (the user was told once; editing goes on without it).
    WorkingColourFile(FileSystem& files, std::string folder, const SlotModel& slotModel);

    // Rewrites the file from the slots and remembers its path. The new content
    // replaces the old in one step, so the file never holds a part of a write; a failure raises
    // InOutError with the reason and leaves the previous file as it was.
    void data();

    // The 536 bytes of the file. One record buffer serves all eight records and is not cleared
    // between them, so character areas past a text's end hold what an earlier record left there;
    // files written before carry the same bytes.
    static std::string contents(const SlotModel& slotModel);

    // Where the file was written: empty until the first write.
    const std::string& path() const { return m_path; }

private:
    FileSystem& m_files;
    std::string m_folder;
    const SlotModel& m_slots;
    std::string m_path;
};

} // namespace tintabel
