#pragma once

#include "colours/ColourSlot.h"

#include <array>

class QRadioButton;

namespace tintabel {

class ColourSwatch;
class MessageBoxes;
class SlotModel;

// Makes the slot rows of the window show the slot model: each swatch paints its slot's colour,
// each radio button is enabled when its slot is available and on when its slot is selected.
// A click on a radio button selects its slot in the model.
class SlotViews {
public:
    SlotViews(SlotModel& slotModel, const std::array<ColourSwatch*, kSlotCount>& swatches,
        const std::array<QRadioButton*, kSlotCount>& buttons, MessageBoxes& messages);
};

} // namespace tintabel
