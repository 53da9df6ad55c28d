#pragma once

#include "colours/ColourValue.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

namespace tintabel {

// A picture as 32-bit scan lines, the way the toolkit keeps one in memory: rows may be padded, so
// each starts bytesPerLine after the one before; a pixel is a word with alpha in bits 24-31, then
// red, green and blue, as the preview compositor reads them.
template<class Byte> struct BasicPixelBuffer {
    using Word = std::conditional_t<std::is_const_v<Byte>, const std::uint32_t, std::uint32_t>;

    int width = 0;
    int height = 0;
    std::ptrdiff_t bytesPerLine = 0;
    Byte* bits = nullptr;

    std::span<Word> row(int y) const
    {
        return {reinterpret_cast<Word*>(bits + y * bytesPerLine), static_cast<std::size_t>(width)};
    }
};

using PixelBuffer = BasicPixelBuffer<std::uint8_t>;
using ConstPixelBuffer = BasicPixelBuffer<const std::uint8_t>;

// The colour of a pixel, its alpha left out.
constexpr ColourValue pixelColour(std::uint32_t pixel)
{
    return makeColour(static_cast<int>(pixel >> 16 & 0xFF), static_cast<int>(pixel >> 8 & 0xFF),
        static_cast<int>(pixel & 0xFF));
}

constexpr std::uint32_t colourPixel(ColourValue colour, std::uint8_t alpha)
{
    return std::uint32_t {alpha} << 24 | static_cast<std::uint32_t>(redOf(colour)) << 16
        | static_cast<std::uint32_t>(greenOf(colour)) << 8
        | static_cast<std::uint32_t>(blueOf(colour));
}

} // namespace tintabel
