#include "colours/PaletteSlots.h"

#include "colours/IntegerText.h"
#include "platform/Paths.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tintabel {

namespace {

std::optional<std::size_t> slotNamed(std::string_view name)
{
    const auto found = std::ranges::find_if(kColourSlots,
        [name](const ColourSlot& slot) { return sameNameIgnoringCase(slot.displayName, name); });
    if (found == kColourSlots.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - kColourSlots.begin());
}

} // namespace

SlotColours slotColoursOf(const SlotModel& slotModel)
{
    SlotColours slotColours;
    for (std::size_t index = 0; index < kSlotCount; ++index)
        slotColours[index] = {slotModel.colour(index), integerFromText(slotModel.alpha(index))};
    return slotColours;
}

Palette paletteFromSlots(const SlotColours& slotColours, std::string name)
{
    Palette palette {.name = std::move(name), .entries = {}, .warnings = {}};
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        palette.entries.push_back({std::string(kColourSlots[index].displayName),
            slotColours[index].colour, slotColours[index].alpha});
    }
    return palette;
}

std::array<std::optional<std::size_t>, kSlotCount> slotEntries(const Palette& palette)
{
    std::array<std::optional<std::size_t>, kSlotCount> taken;
    std::vector<std::size_t> unnamed;
    for (std::size_t entry = 0; entry < palette.entries.size(); ++entry) {
        if (const std::optional<std::size_t> slot = slotNamed(palette.entries[entry].name))
            taken[*slot] = entry;
        else
            unnamed.push_back(entry);
    }
    auto next = unnamed.begin();
    for (std::optional<std::size_t>& slot : taken) {
        if (!slot && next != unnamed.end())
            slot = *next++;
    }
    return taken;
}

SlotColours importPalette(const Palette& palette, SlotColours slotColours)
{
    const std::array<std::optional<std::size_t>, kSlotCount> taken = slotEntries(palette);
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        if (!taken[index])
            continue;
        const Palette::Entry& entry = palette.entries[*taken[index]];
        slotColours[index].colour = entry.colour;
        slotColours[index].alpha = entry.alpha.value_or(slotColours[index].alpha);
    }
    return slotColours;
}

} // namespace tintabel
