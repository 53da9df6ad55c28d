#include "readability/ReadabilityFigures.h"

#include "editor/SampleCompositor.h"
#include "readability/ColourDifference.h"

#include <algorithm>
#include <tuple>

namespace tintabel {

namespace {

std::uint8_t channel(int value)
{
    return static_cast<std::uint8_t>(value);
}

} // namespace

bool ReadabilityFigures::passes() const
{
    return std::ranges::all_of(slotFigures, [](const SlotFigures& slot) {
        return slot.verdict == ContrastVerdict::pass;
    }) && std::ranges::none_of(pairFigures, &PairFigures::hard);
}

ColourValue shownColour(const SlotReading& reading)
{
    const std::uint8_t alpha = alphaByte(reading.alpha);
    const ColourValue colour = reading.colour;
    const ColourValue beneath = reading.beneath;
    return makeColour(compositeChannel(channel(redOf(colour)), channel(redOf(beneath)), alpha),
        compositeChannel(channel(greenOf(colour)), channel(greenOf(beneath)), alpha),
        compositeChannel(channel(blueOf(colour)), channel(blueOf(beneath)), alpha));
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
