#include "colours/ColourValue.h"

#include "colours/IntegerText.h"

namespace tintabel {

namespace {

int hexPair(std::string_view hex, std::size_t position)
{
    const std::string_view pair = position < hex.size() ? hex.substr(position, 2) : "";
    return integerFromText("$" + std::string(pair));
}

} // namespace

ColourValue HexToColour(std::string_view hex)
{
    // Blue is read first: when several pairs are bad, the error names the one the hex editor's
    // rule has always reported.
    const int blue = hexPair(hex, 4);
    const int green = hexPair(hex, 2);
    const int red = hexPair(hex, 0);
    return makeColour(red, green, blue);
}

std::string RgbToHex(int red, int green, int blue)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    for (const int channel : {red, green, blue}) {
        text += digits[channel >> 4 & 0xF];
        text += digits[channel & 0xF];
    }
    return text;
}

} // namespace tintabel
