#pragma once

#include <cstdint>
#include <span>

namespace tintabel {

// How a preview sample is laid over what lies beneath it. Skins draw their attribute texts with
// this rounding, so the preview must use it too rather than the toolkit's own blending.
//
// Pixels are 32-bit words as in 32-bit scan lines: alpha in bits 24-31, then red, green, blue.

// The alpha a sample is drawn with: the low 8 bits of the value it was rendered with, so 300
// draws as 44 and -5 as 251.
constexpr std::uint8_t alphaByte(std::int32_t alpha)
{
    return static_cast<std::uint8_t>(alpha & 0xFF);
}

constexpr std::uint8_t compositeChannel(
    std::uint8_t sample, std::uint8_t beneath, std::uint8_t alpha)
{
    if (alpha == 0)
        return beneath;
    if (alpha == 0xFF)
        return sample;
    return static_cast<std::uint8_t>((sample * alpha + 0xFF + beneath * (0xFF - alpha)) >> 8);
}

// The sample pixel's own alpha decides; the result is opaque.
std::uint32_t compositePixel(std::uint32_t sample, std::uint32_t beneath);

// Lays a row of sample pixels over the row beneath, in place; a longer row
// keeps its pixels past the other's end.
void compositeRow(std::span<const std::uint32_t> sample, std::span<std::uint32_t> beneath);

} // namespace tintabel
