#include "colours/SchemePalette.h"

#include "colours/ColourRecord.h"
#include "colours/IntegerText.h"
#include "colours/PaletteSlots.h"
#include "colours/SlotModel.h"
#include "colours/WorkingColourFile.h"

#include <QString>

namespace tintabel {

Palette readSchemePalette(std::string_view bytes)
{
    Palette palette;
    for (std::size_t offset = 0; bytes.size() - offset >= ColourRecord::kSize;
         offset += ColourRecord::kSize) {
        const auto* first = reinterpret_cast<const std::uint8_t*>(bytes.data() + offset);
        const ColourRecord record = ColourRecord::readFrom(
            std::span<const std::uint8_t, ColourRecord::kSize>(first, ColourRecord::kSize));
        const std::int32_t blue = integerFromText(record.blue);
        const std::int32_t green = integerFromText(record.green);
        const std::int32_t red = integerFromText(record.red);
        palette.entries.push_back(
            {QString::fromLatin1(record.name.data(), static_cast<qsizetype>(record.name.size()))
                    .toStdString(),
                makeColour(red, green, blue), integerFromText(record.alpha)});
    }
    return palette;
}

std::string writeSchemePalette(const Palette& palette)
{
    const SlotColours slotColours = importPalette(palette, SlotColours {});
    SlotModel slotModel;
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        slotModel.setColour(index, slotColours[index].colour);
        slotModel.setAlpha(index, std::to_string(slotColours[index].alpha));
    }
    return WorkingColourFile::contents(slotModel);
}

} // namespace tintabel
