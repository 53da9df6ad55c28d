#pragma once

#include "colours/ColourSlot.h"

#include <bitset>

namespace tintabel {

class FileSystem;
class SlotModel;
class XmlNode;
struct WorkingCopy;

// Writes the slots into the working copy of the loaded colour document, which the
// save actions then copy out whole; the user's own files are never edited here.
class ColourXmlWriter {
public:
    ColourXmlWriter(FileSystem& files, const WorkingCopy& workCopy, const SlotModel& slotModel);

    // Every direct child of the document element whose "name" is a slot's display name, whatever
    // its element name, gets the slot's red, green and blue in decimal and its alpha text as it
    // stands; attributes it lacks are added. Only values change: a UTF-8 document keeps every
    // other byte, and a document in which nothing matches is not written at all. A working copy
    // that cannot be read or parsed raises XmlError.
    void save();
    // The same into a document already parsed, which is then changed only in memory, and only in
    // the entries of the slots given.
    static void write(const XmlNode& documentElement, const SlotModel& slotModel,
        std::bitset<kSlotCount> slotsWritten = std::bitset<kSlotCount>().set());

private:
    FileSystem& m_files;
    const WorkingCopy& m_workCopy;
    const SlotModel& m_slots;
};

} // namespace tintabel
