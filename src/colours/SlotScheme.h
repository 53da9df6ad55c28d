#pragma once

#include "colours/ColourSlot.h"
#include "colours/ColourValue.h"
#include "colours/PaletteFormat.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tintabel {

class FileSystem;
class SlotModel;

// What putting a scheme into the slots does to each slot: nothing, or a colour and, where the
// scheme carries one, an alpha. Read once, it can be put into any number of colour files.
struct SlotScheme {
    struct Slot {
        ColourValue colour = 0;
        std::optional<std::int32_t> alpha; // nothing: the slot keeps its own
    };

    std::array<std::optional<Slot>, kSlotCount> bySlot;
    // Entries of a palette the reader passed over, one text per entry for the user.
    std::vector<std::string> warnings;

    // A scheme file (.ctm) gives what "Load colour scheme" puts into the
    // slots (ColourSchemeReader: records by exact slot name, the later of two winning, alpha
    // included); a GIMP or Adobe palette (.gpl, .ase) what importPalette puts in. Raises the
    // reader's error (PaletteError, ConversionError, InOutError) for a file it refuses.
    static SlotScheme read(FileSystem& files, const std::string& path, PaletteFormat format);
    // Every colour the document loaded in the slots has: the slots it names (available ones).
    static SlotScheme ofSlots(const SlotModel& slotModel);

    // Into slots without a window: the alpha as its decimal text, as a sample render stores it.
    void applyTo(SlotModel& slotModel) const;
};

} // namespace tintabel
