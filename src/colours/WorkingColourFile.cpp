#include "colours/WorkingColourFile.h"

#include "colours/ColourRecord.h"
#include "colours/MainWindowState.h"
#include "colours/SlotModel.h"
#include "platform/FileSystem.h"

namespace tintabel {

WorkingColourFile::WorkingColourFile(
    FileSystem& files, MainWindowState& state, const SlotModel& slotModel)
    : m_files(files)
    , m_state(state)
    , m_slots(slotModel)
{
}

void WorkingColourFile::data()
{
    const std::string path = m_state.programFolder + kFileName;
    m_state.workFilePath = path;
    // Rewritten at every keystroke and written anew from the slots whenever they change, so it
    // need not wait for the disk; the rename still keeps it whole.
    m_files.writeFileAtomically(path, contents(m_slots), WriteDurability::LeaveToSystem);
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
