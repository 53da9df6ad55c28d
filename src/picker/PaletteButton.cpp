#include "picker/PaletteButton.h"

#include "picker/ColourChooser.h"
#include "picker/Couleur.h"
#include "platform/Errors.h"

#include <cstdint>
#include <string_view>

namespace tintabel {

namespace {

// Leading blanks, an optional sign, decimal digits and nothing after them, within the signed
// 32-bit range.
std::int32_t decimalFromText(std::string_view text)
{
    const auto fail = [text] {
        return ConversionError(formatMessage("'%s' is not a valid integer value", {text}));
    };
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos)
        throw fail();
    const bool negative = text[at] == '-';
    if (text[at] == '-' || text[at] == '+')
        ++at;
    if (at == text.size())
        throw fail();
    std::int64_t value = 0;
    for (; at < text.size(); ++at) {
        const char digit = text[at];
        if (digit < '0' || digit > '9')
            throw fail();
        value = value * 10 + (digit - '0');
        if (value > std::int64_t {INT32_MAX} + 1)
            throw fail();
    }
    value = negative ? -value : value;
    if (value > INT32_MAX)
        throw fail();
    return static_cast<std::int32_t>(value);
}

std::uint8_t channelByte(std::string_view text)
{
    return static_cast<std::uint8_t>(decimalFromText(text) & 0xFF);
}

} // namespace

std::optional<PaletteChoice> pltClick(ColourChooser& dialog, const ChannelTexts& editors)
{
    const std::uint32_t start = packColour(
        {channelByte(editors.red), channelByte(editors.green), channelByte(editors.blue)});
    dialog.SetColor(start);
    if (!dialog.Execute())
        return std::nullopt;
    const std::uint32_t chosen = dialog.Color();
    const RvbBytes rvb = unpackColour(chosen);
    dialog.SetColor(chosen);
    return PaletteChoice {
        chosen, {std::to_string(rvb.red), std::to_string(rvb.green), std::to_string(rvb.blue)}};
}

} // namespace tintabel
