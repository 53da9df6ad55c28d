#pragma once

#include "colours/ColourSlot.h"
#include "colours/ColourValue.h"
#include "colours/Palette.h"
#include "colours/SlotModel.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tintabel {

// One slot's colour and alpha, as palette export takes them and palette import gives them back.
// The start values are those of a slot before any load.
struct SlotColour {
    ColourValue colour = SlotModel::kWhite;
    std::int32_t alpha = 255;
};

using SlotColours = std::array<SlotColour, kSlotCount>;

// The slots' colours and their alpha texts read by the integer rule (ConversionError for a
// text that is no integer).
SlotColours slotColoursOf(const SlotModel& slotModel);

// The eight slots, each named by its display name, in slot order, with its alpha.
Palette paletteFromSlots(const SlotColours& slotColours, std::string name);

// Which palette entry each slot takes, by index into the entries:
// 1. By name: a slot takes the entry whose name is its display name, compared without regard to
//    case; of several such entries the last one.
// 2. By position: the entries whose names are no slot's, in palette order, go one each to the
//    slots that step 1 left without an entry, in slot order, until either runs out.
// So a palette that names no slot gives its first eight entries to the slots in order, and a
// palette that names some slots fills the others from its remaining entries.
std::array<std::optional<std::size_t>, kSlotCount> slotEntries(const Palette& palette);

// The slots after the palette is imported into them: a slot that takes an entry gets its
// colour, and its alpha when the entry has one; other slots stay as they were.
SlotColours importPalette(const Palette& palette, SlotColours slotColours);

} // namespace tintabel
