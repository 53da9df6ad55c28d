#include "colours/SlotScheme.h"

#include "colours/ColourSchemeReader.h"
#include "colours/IntegerText.h"
#include "colours/PaletteFormat.h"
#include "colours/PaletteSlots.h"
#include "colours/SlotModel.h"
#include "platform/AtomicWrite.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"

#include <cerrno>

namespace tintabel {

namespace {

SlotScheme readSchemeFile(FileSystem& files, const std::string& path)
{
    SlotScheme scheme;
    SlotModel slotModel;
    ColourSchemeReader reader(files, slotModel,
        {
            .clearSample = [](std::size_t) {},
            .sampleRender =
                [&](std::size_t index, std::int32_t alpha) {
                    scheme.bySlot[index] = {0, alpha};
                },
        });
    if (!reader.load(path))
        throw InOutError(ioReason(ENOENT));
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        if (scheme.bySlot[index])
            scheme.bySlot[index]->colour = slotModel.colour(index);
    }
    return scheme;
}

} // namespace

SlotScheme SlotScheme::read(FileSystem& files, const std::string& path, PaletteFormat format)
{
    if (format == PaletteFormat::Scheme)
        return readSchemeFile(files, path);
    Palette palette = readPalette(format, files.readFile(path));
    SlotScheme scheme;
    const auto taken = slotEntries(palette);
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        if (taken[index]) {
            const Palette::Entry& entry = palette.entries[*taken[index]];
            scheme.bySlot[index] = {entry.colour, entry.alpha};
        }
    }
    scheme.warnings = std::move(palette.warnings);
    return scheme;
}

SlotScheme SlotScheme::ofSlots(const SlotModel& slotModel)
{
    SlotScheme scheme;
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        if (slotModel.available(index))
            scheme.bySlot[index]
                = {slotModel.colour(index), integerFromText(slotModel.alpha(index))};
    }
    return scheme;
}

void SlotScheme::applyTo(SlotModel& slotModel) const
{
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        if (!bySlot[index])
            continue;
        slotModel.setColour(index, bySlot[index]->colour);
        if (bySlot[index]->alpha)
            slotModel.setAlpha(index, std::to_string(*bySlot[index]->alpha));
    }
}

} // namespace tintabel
