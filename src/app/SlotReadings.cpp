#include "app/SlotReadings.h"

#include "app/ImagePixels.h"
#include "colours/IntegerText.h"
#include "colours/SlotModel.h"
#include "editor/PreviewSamples.h"
#include "readability/BeneathColour.h"

namespace tintabel {

std::array<SlotReading, kSlotCount> slotReadings(
    const SlotModel& slotModel, const std::function<ColourValue(std::size_t index)>& beneath)
{
    std::array<SlotReading, kSlotCount> readings;
    for (std::size_t index = 0; index < kSlotCount; ++index)
        readings[index] = {
            .colour = slotModel.colour(index),
            .alpha = tryIntegerFromText(slotModel.alpha(index)).value_or(255),
            .beneath = beneath(index),
        };
    return readings;
}

ColourValue beneathSample(
    const QImage& picture, QPoint pictureAt, QPoint sampleAt, ColourValue groupFace)
{
    const QPoint offset = sampleAt - pictureAt;
    return meanBeneath(constPixelsOf(with32BitPixels(picture)),
        {offset.x(), offset.y(), PreviewSamples::kSampleWidth, PreviewSamples::kSampleHeight},
        groupFace);
}

} // namespace tintabel
