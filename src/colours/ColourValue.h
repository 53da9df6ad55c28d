#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tintabel {

// A colour packed as red in bits 0-7, green in bits 8-15 and blue in bits 16-23; the top byte is 0.
using ColourValue = std::uint32_t;

// Red, green and blue bytes.
struct RvbBytes {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const RvbBytes&, const RvbBytes&) = default;
};

// Each channel contributes its low 8 bits, as everywhere channels are packed.
constexpr ColourValue makeColour(int red, int green, int blue)
{
    return (static_cast<ColourValue>(red) & 0xFFu) | (static_cast<ColourValue>(green) & 0xFFu) << 8
        | (static_cast<ColourValue>(blue) & 0xFFu) << 16;
}

constexpr ColourValue makeColour(RvbBytes rvb)
{
    return makeColour(rvb.red, rvb.green, rvb.blue);
}

constexpr int redOf(ColourValue colour)
{
    return static_cast<int>(colour & 0xFFu);
}
constexpr int greenOf(ColourValue colour)
{
    return static_cast<int>(colour >> 8 & 0xFFu);
}
constexpr int blueOf(ColourValue colour)
{
    return static_cast<int>(colour >> 16 & 0xFFu);
}

constexpr RvbBytes channelsOf(ColourValue colour)
{
    return {static_cast<std::uint8_t>(redOf(colour)), static_cast<std::uint8_t>(greenOf(colour)),
        static_cast<std::uint8_t>(blueOf(colour))};
}

// Six hexadecimal digits in the order red, green, blue, either letter case. Each pair is read by
// the integer rule as "$" + pair, blue first, so a bad pair raises ConversionError
// "'$<pair>' is not a valid integer value" naming the rightmost bad pair.
ColourValue HexToColour(std::string_view hex);

// Two upper-case hexadecimal digits per channel (its low 8 bits), red first: "FF0080".
std::string RgbToHex(int red, int green, int blue);

} // namespace tintabel
