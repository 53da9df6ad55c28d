#include "readability/ReadabilityFigures.h"

#include <benchmark/benchmark.h>

namespace tintabel {
namespace {

// Every figure of the readability window again after a keystroke in the red editor: eight slots
// over a grey background, half of them translucent, five pairs seen with four visions.
void BM_RecomputeAfterKeystroke(benchmark::State& state)
{
    std::array<SlotReading, kSlotCount> readings {};
    for (std::size_t i = 0; i < kSlotCount; ++i)
        readings[i] = {makeColour(static_cast<int>(i) * 30, 200 - static_cast<int>(i) * 20, 90),
            i % 2 == 0 ? 255 : 160, makeColour(204, 208, 212)};
    int red = 0;
    for (auto _ : state) {
        red = (red + 1) % 256;
        readings[0].colour
            = makeColour(red, greenOf(readings[0].colour), blueOf(readings[0].colour));
        benchmark::DoNotOptimize(computeReadability(readings));
    }
}
BENCHMARK(BM_RecomputeAfterKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tintabel
