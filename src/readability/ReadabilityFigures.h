#pragma once

#include "colours/ColourSlot.h"
#include "colours/ColourValue.h"
#include "readability/Contrast.h"
#include "readability/VisionSimulation.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace tintabel {

// What one slot's sample shows: its colour, its alpha as the slot keeps it, and the colour it is
// drawn over.
struct SlotReading {
    ColourValue colour = 0;
    std::int32_t alpha = 255;
    ColourValue beneath = 0;
};

struct SlotFigures {
    SlotReading reading;
    ColourValue shown = 0;
    double contrast = 1;
    ContrastVerdict verdict = ContrastVerdict::fail;
};

// Below this difference two levels are hard to tell apart at a glance.
inline constexpr double kHardDifference = 10.0;

// The slots whose colours a reader must tell apart: each level from the next, and the two labels.
inline constexpr std::size_t kPairCount = 5;
inline constexpr std::array<std::pair<std::size_t, std::size_t>, kPairCount> kComparedPairs {{
    {0, 1}, // low - normal
    {1, 2}, // normal - good
    {2, 3}, // good - excellent
    {3, 4}, // excellent - special attribute
    {5, 6}, // attribute label - special attribute label
}};

struct PairFigures {
    std::size_t first = 0;
    std::size_t second = 0;
    // CIEDE2000 between the two shown colours, by Vision.
    std::array<double, kVisionCount> difference {};

    bool hardFor(Vision vision) const
    {
        return difference[static_cast<std::size_t>(vision)] < kHardDifference;
    }
    bool hard() const { return hardFor(Vision::normal); }
};

struct ReadabilityFigures {
    std::array<SlotFigures, kSlotCount> slotFigures;
    std::array<PairFigures, kPairCount> pairFigures;

    // Every slot passes and no pair is hard to tell apart for normal vision.
    bool passes() const;
};

// The slot's colour with its alpha laid over the colour beneath, as the preview samples draw it.
ColourValue shownColour(const SlotReading& reading);

// Every figure at once, cheap enough to redo after each keystroke.
ReadabilityFigures computeReadability(const std::array<SlotReading, kSlotCount>& readings);

} // namespace tintabel
