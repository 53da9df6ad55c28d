#pragma once

#include "colours/ColourSlot.h"
#include "colours/ColourValue.h"
#include "readability/ReadabilityFigures.h"

#include <QPoint>

#include <array>
#include <cstddef>
#include <functional>

class QImage;

namespace tintabel {

class SlotModel;

// What the readability figures read of the slots: each slot's colour and alpha, and the colour
// its sample lies over as beneath gives it. An alpha text that is no integer counts as opaque, as
// an empty alpha editor does; the editor has already reported it.
std::array<SlotReading, kSlotCount> slotReadings(
    const SlotModel& slotModel, const std::function<ColourValue(std::size_t index)>& beneath);

// The mean colour of the background under a sample: both places are in the group's coordinates,
// the picture's top left corner at pictureAt and the sample's at sampleAt. Where the sample lies
// off the picture, groupFace counts.
ColourValue beneathSample(
    const QImage& picture, QPoint pictureAt, QPoint sampleAt, ColourValue groupFace);

} // namespace tintabel
