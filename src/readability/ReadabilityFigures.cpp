#include "readability/ReadabilityFigures.h"

#include "editor/SampleCompositor.h"
#include "readability/ColourDifference.h"
#include "readability/PixelBuffer.h"

#include <algorithm>
#include <tuple>

namespace tintabel {

bool ReadabilityFigures::passes() const
{
    return std::ranges::all_of(slotFigures, [](const SlotFigures& slot) {
        return slot.verdict == ContrastVerdict::pass;
    }) && std::ranges::none_of(pairFigures, &PairFigures::hard);
}

ColourValue shownColour(const SlotReading& reading)
{
    return pixelColour(compositePixel(
        colourPixel(reading.colour, alphaByte(reading.alpha)), colourPixel(reading.beneath, 0xFF)));
}

ReadabilityFigures computeReadability(const std::array<SlotReading, kSlotCount>& readings)
{
    ReadabilityFigures figures;
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        SlotFigures& slot = figures.slotFigures[i];
        slot.reading = readings[i];
        slot.shown = shownColour(readings[i]);
        slot.contrast = contrastRatio(slot.shown, readings[i].beneath);
        slot.verdict = contrastVerdict(slot.contrast);
    }
    // Each colour is seen once per vision, not once per pair it belongs to.
    std::array<std::array<LabColour, kVisionCount>, kSlotCount> seen {};
    for (std::size_t i = 0; i < kSlotCount; ++i)
        for (const Vision vision : kVisions)
            seen[i][static_cast<std::size_t>(vision)]
                = labOf(simulateVision(figures.slotFigures[i].shown, vision));
    for (std::size_t p = 0; p < kPairCount; ++p) {
        PairFigures& pair = figures.pairFigures[p];
        std::tie(pair.first, pair.second) = kComparedPairs[p];
        for (std::size_t v = 0; v < kVisionCount; ++v)
            pair.difference[v] = ciede2000(seen[pair.first][v], seen[pair.second][v]);
    }
    return figures;
}

} // namespace tintabel
