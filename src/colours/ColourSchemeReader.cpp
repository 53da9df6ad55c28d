#include "colours/ColourSchemeReader.h"

#include "colours/ColourRecord.h"
#include "colours/ColourSlot.h"
#include "colours/IntegerText.h"
#include "colours/SlotModel.h"
#include "platform/FileSystem.h"

#include <memory>
#include <optional>
#include <utility>

namespace tintabel {

ColourSchemeReader::ColourSchemeReader(FileSystem& files, SlotModel& slotModel, Preview preview)
    : m_files(files)
    , m_slots(slotModel)
    , m_preview(std::move(preview))
{
}

bool ColourSchemeReader::load(const std::string& path)
{
    if (!m_files.fileExists(path))
        return false;
    const std::unique_ptr<RecordFile> file
        = m_files.openRecords(path, ColourRecord::kSize, RecordAccess::ReadOnly);
    const std::uint64_t count = file->count();
    ColourRecord::Bytes bytes {};
    for (std::uint64_t index = 0; index < count; ++index) {
        file->read(index, bytes);
        apply(ColourRecord::readFrom(bytes));
    }
    file->close();
    return true;
}

void ColourSchemeReader::apply(const ColourRecord& record)
{
    const std::optional<std::size_t> index = slotIndexByName(record.name);
    if (!index)
        return;
    m_preview.clearSample(*index);
    // Of several texts that are no integers, the one reported is blue's.
    const std::int32_t blue = integerFromText(record.blue);
    const std::int32_t green = integerFromText(record.green);
    const std::int32_t red = integerFromText(record.red);
    m_slots.setColour(*index, makeColour(red, green, blue));
    m_preview.sampleRender(*index, integerFromText(record.alpha));
}

} // namespace tintabel
