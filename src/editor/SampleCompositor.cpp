#include "editor/SampleCompositor.h"

#include <algorithm>

namespace tintabel {

namespace {

constexpr std::uint8_t channel(std::uint32_t pixel, int shift)
{
    return static_cast<std::uint8_t>(pixel >> shift & 0xFF);
}

} // namespace

std::uint32_t compositePixel(std::uint32_t sample, std::uint32_t beneath)
{
    const std::uint8_t alpha = channel(sample, 24);
    std::uint32_t result = 0xFF000000u;
    for (const int shift : {16, 8, 0})
        result |= std::uint32_t {compositeChannel(
                      channel(sample, shift), channel(beneath, shift), alpha)}
            << shift;
    return result;
}

void compositeRow(std::span<const std::uint32_t> sample, std::span<std::uint32_t> beneath)
{
    const std::size_t count = std::min(sample.size(), beneath.size());
    std::transform(
        sample.begin(), sample.begin() + count, beneath.begin(), beneath.begin(), compositePixel);
}

} // namespace tintabel
