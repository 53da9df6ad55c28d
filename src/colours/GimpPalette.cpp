#include "colours/GimpPalette.h"

#include "colours/PaletteError.h"
#include "platform/TextTrim.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>

namespace tintabel {

namespace {

constexpr std::string_view kHeader = "GIMP Palette";
constexpr std::string_view kNameField = "Name:";
constexpr std::string_view kColumnsField = "Columns:";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Takes a number from 0 to 255 from the front of line; it must end at a blank or the line's end.
std::optional<int> takeChannel(std::string_view& line)
{
    while (!line.empty() && isBlank(line.front()))
        line.remove_prefix(1);
    int value = -1;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (error != std::errc {} || value < 0 || value > 255)
        return std::nullopt;
    line.remove_prefix(static_cast<std::size_t>(end - line.data()));
    if (!line.empty() && !isBlank(line.front()))
        return std::nullopt;
    return value;
}

std::optional<Palette::Entry> colourLine(std::string_view line)
{
    const std::optional<int> red = takeChannel(line);
    const std::optional<int> green = red ? takeChannel(line) : std::nullopt;
    const std::optional<int> blue = green ? takeChannel(line) : std::nullopt;
    if (!blue)
        return std::nullopt;
    return Palette::Entry {std::string(trimBlanks(line)), makeColour(*red, *green, *blue), {}};
}

std::string oneLine(std::string text)
{
    std::ranges::replace(text, '\n', ' ');
    std::ranges::replace(text, '\r', ' ');
    return text;
}

} // namespace

Palette readGimpPalette(std::string_view bytes)
{
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    Palette palette;
    std::size_t lineNumber = 0;
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        const std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        ++lineNumber;
        if (lineNumber == 1 && trimBlanks(line) == kHeader)
            continue;
        if (lineNumber == 1)
            throw PaletteError("Not a GIMP palette file");
        if (line.starts_with(kNameField)) {
            palette.name = trimBlanks(line.substr(kNameField.size()));
        } else if (trimBlanks(line).empty() || line.starts_with('#')
            || line.starts_with(kColumnsField)) {
            continue;
        } else if (auto entry = colourLine(line)) {
            palette.entries.push_back(std::move(*entry));
        } else {
            throw PaletteError(formatMessage("Line %d of the GIMP palette is not a colour: three "
                                             "numbers from 0 to 255 and a name",
                {std::to_string(lineNumber)}));
        }
    }
    if (lineNumber == 0)
        throw PaletteError("Not a GIMP palette file");
    return palette;
}

std::string writeGimpPalette(const Palette& palette)
{
    // Eight columns show the eight slots of an exported scheme as one row.
    std::string text = "GIMP Palette\nName: " + oneLine(palette.name) + "\nColumns: 8\n#\n";
    for (const Palette::Entry& entry : palette.entries) {
        char channels[16];
        std::snprintf(channels, sizeof channels, "%3d %3d %3d\t", redOf(entry.colour),
            greenOf(entry.colour), blueOf(entry.colour));
        text += channels + oneLine(entry.name) + '\n';
    }
    return text;
}

} // namespace tintabel
