#include "readability/ReadabilityReport.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <string_view>

namespace tintabel {

namespace {

// A figure with two decimals, whatever the user's locale says about the decimal point.
std::string twoDecimals(double value)
{
    std::array<char, 32> text {};
    const auto end
        = std::to_chars(text.begin(), text.end(), value, std::chars_format::fixed, 2).ptr;
    return std::string(text.begin(), end);
}

std::string hexDigits(ColourValue colour)
{
    return RgbToHex(redOf(colour), greenOf(colour), blueOf(colour));
}

std::string htmlColour(ColourValue colour)
{
    std::string text = "#" + hexDigits(colour);
    std::ranges::transform(
        text, text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string_view slotName(std::size_t index)
{
    return kColourSlots[index].displayName;
}

std::string padded(std::string text, std::size_t width)
{
    text.resize(std::max(text.size(), width), ' ');
    return text;
}

std::string rightAligned(std::string text, std::size_t width)
{
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

} // namespace

std::string plainReport(const ReadabilityFigures& figures)
{
    // The longest slot name and the longest pair of names, so that the figures form columns.
    constexpr std::size_t kNameWidth = 24;
    constexpr std::size_t kPairWidth = 42;
    std::string out;
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const SlotFigures& slot = figures.slotFigures[i];
        out += padded(std::string(slotName(i)), kNameWidth) + hexDigits(slot.reading.colour)
            + rightAligned(std::to_string(slot.reading.alpha), 5) + "  " + hexDigits(slot.shown)
            + rightAligned(twoDecimals(slot.contrast), 7) + "  "
            + std::string(verdictText(slot.verdict)) + "\n";
    }
    for (const PairFigures& pair : figures.pairFigures) {
        std::string line
            = padded(std::string(slotName(pair.first)) + " / " + std::string(slotName(pair.second)),
                kPairWidth);
        for (const double difference : pair.difference)
            line += rightAligned(twoDecimals(difference), 7);
        out += line + "\n";
    }
    return out;
}

std::string jsonReport(const ReadabilityFigures& figures)
{
    std::string out = "{\"slots\": [";
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const SlotFigures& slot = figures.slotFigures[i];
        out += std::string(i == 0 ? "\n" : ",\n") + "  {\"name\": " + quoted(slotName(i))
            + ", \"colour\": " + quoted(htmlColour(slot.reading.colour))
            + ", \"alpha\": " + std::to_string(slot.reading.alpha)
            + ", \"beneath\": " + quoted(htmlColour(slot.reading.beneath)) + ", \"shown\": "
            + quoted(htmlColour(slot.shown)) + ", \"contrast\": " + twoDecimals(slot.contrast)
            + ", \"verdict\": " + quoted(verdictText(slot.verdict)) + "}";
    }
    out += "\n], \"pairs\": [";
    for (std::size_t p = 0; p < kPairCount; ++p) {
        const PairFigures& pair = figures.pairFigures[p];
        out += std::string(p == 0 ? "\n" : ",\n") + "  {\"a\": " + quoted(slotName(pair.first))
            + ", \"b\": " + quoted(slotName(pair.second));
        for (const Vision vision : kVisions)
            out += ", " + quoted(visionName(vision)) + ": "
                + twoDecimals(pair.difference[static_cast<std::size_t>(vision)]);
        out += "}";
    }
    return out + "\n], \"pass\": " + (figures.passes() ? "true" : "false") + "}\n";
}

} // namespace tintabel
