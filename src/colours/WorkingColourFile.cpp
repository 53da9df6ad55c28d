#include "colours/WorkingColourFile.h"

#include "colours/ColourRecord.h"
#include "colours/SlotModel.h"
#include "platform/FileSystem.h"

#include <utility>

namespace tintabel {

WorkingColourFile::WorkingColourFile(
    FileSystem& files, std::string folder, const SlotModel& slotModel)
    : m_files(files)
    , m_folder(std::move(folder))
    , m_slots(slotModel)
{
}

void WorkingColourFile::data()
{
    if (m_folder.empty())
        return;
    m_path = m_folder + kFileName;
    // Rewritten at every keystroke and written anew from the slots whenever they change, so it
    // need not wait for the disk; the rename still keeps it whole.
    m_files.writeFileAtomically(m_path, contents(m_slots), WriteDurability::LeaveToSystem);
}

std::string WorkingColourFile::contents(const SlotModel& slotModel)
{
    std::string bytes;
    bytes.reserve(ColourRecord::kSize * kSlotCount);
    ColourRecord::Bytes buffer {};
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        ColourRecord::fromSlot(
            kColourSlots[index].displayName, slotModel.colour(index), slotModel.alpha(index))
            .writeInto(buffer);
        bytes.append(buffer.begin(), buffer.end());
    }
    return bytes;
}

} // namespace tintabel
