#include "colours/SwatchExchange.h"

#include "colours/PaletteError.h"

#include <QString>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace tintabel {

namespace {

constexpr std::string_view kSignature = "ASEF";
constexpr std::string_view kRgb = "RGB ";
constexpr std::uint32_t kColourEntry = 0x0001;
constexpr std::uint32_t kNormalColour = 2;
// The name length is 16 bits wide and counts the terminating zero.
constexpr std::size_t kLongestName = 0xFFFE;
constexpr const char* kTruncated = "The swatch exchange file is truncated";

struct ColourModel {
    std::string_view tag;
    std::size_t values;
};

constexpr ColourModel kModels[] = {{kRgb, 3}, {"LAB ", 3}, {"CMYK", 4}, {"Gray", 1}};

// A big-endian number of the given size from the front of bytes, or nothing when bytes is shorter.
std::optional<std::uint32_t> takeNumber(std::string_view& bytes, std::size_t size)
{
    if (bytes.size() < size)
        return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    bytes.remove_prefix(size);
    return value;
}

void putNumber(std::string& bytes, std::uint32_t value, std::size_t size)
{
    for (std::size_t shift = size * 8; shift > 0; shift -= 8)
        bytes += static_cast<char>(value >> (shift - 8) & 0xFFu);
}

[[noreturn]] void refuseBlock(const char* pattern, std::uint32_t index)
{
    throw PaletteError(formatMessage(pattern, {std::to_string(index + 1)}));
}

std::string takeName(std::string_view& block, std::uint32_t index)
{
    const std::optional<std::uint32_t> units = takeNumber(block, 2);
    if (!units || *units * 2 > block.size())
        refuseBlock("The name of swatch block %d overruns its block", index);
    std::u16string name;
    for (std::uint32_t unit = 0; unit < *units; ++unit)
        name += static_cast<char16_t>(*takeNumber(block, 2));
    name.resize(std::min(name.find(u'\0'), name.size()));
    return QString::fromStdU16String(name).toStdString();
}

int channelOf(std::string_view& block, std::uint32_t index)
{
    const float value = std::bit_cast<float>(*takeNumber(block, 4));
    if (std::isnan(value))
        refuseBlock("Swatch block %d holds a colour value that is not a number", index);
    return static_cast<int>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255));
}

void readColour(std::string_view block, std::uint32_t index, Palette& palette)
{
    std::string name = takeName(block, index);
    const std::string_view tag = block.substr(0, 4);
    const auto model = std::ranges::find(kModels, tag, &ColourModel::tag);
    if (block.size() < 4)
        refuseBlock("Swatch block %d ends inside its colour", index);
    if (model == std::end(kModels))
        refuseBlock("Swatch block %d has an unknown colour model", index);
    block.remove_prefix(4);
    // The colour type follows the values.
    if (block.size() < model->values * 4 + 2)
        refuseBlock("Swatch block %d ends inside its colour", index);
    if (model->tag != kRgb) {
        const std::string_view shown = model->tag.substr(0, model->tag.find(' '));
        palette.warnings.push_back(
            formatMessage("Swatch \"%s\" is a %s colour and was left out", {name, shown}));
        return;
    }
    const int red = channelOf(block, index);
    const int green = channelOf(block, index);
    const int blue = channelOf(block, index);
    palette.entries.push_back({std::move(name), makeColour(red, green, blue), {}});
}

} // namespace

Palette readSwatchExchange(std::string_view bytes)
{
    if (!bytes.starts_with(kSignature))
        throw PaletteError("Not an Adobe Swatch Exchange file");
    bytes.remove_prefix(kSignature.size());
    const std::optional<std::uint32_t> major = takeNumber(bytes, 2);
    const std::optional<std::uint32_t> minor = takeNumber(bytes, 2);
    const std::optional<std::uint32_t> count = takeNumber(bytes, 4);
    if (!count)
        throw PaletteError(kTruncated);
    if (*major != 1)
        throw PaletteError(formatMessage("Adobe Swatch Exchange version %d.%d is not supported",
            {std::to_string(*major), std::to_string(*minor)}));
    Palette palette;
    for (std::uint32_t index = 0; index < *count; ++index) {
        const std::optional<std::uint32_t> type = takeNumber(bytes, 2);
        const std::optional<std::uint32_t> length = takeNumber(bytes, 4);
        if (!length)
            throw PaletteError(kTruncated);
        if (*length > bytes.size())
            refuseBlock("Swatch block %d runs past the end of the file", index);
        if (*type == kColourEntry)
            readColour(bytes.substr(0, *length), index, palette);
        bytes.remove_prefix(*length);
    }
    return palette;
}

std::string writeSwatchExchange(const Palette& palette)
{
    std::string bytes(kSignature);
    putNumber(bytes, 1, 2);
    putNumber(bytes, 0, 2);
    putNumber(bytes, static_cast<std::uint32_t>(palette.entries.size()), 4);
    for (const Palette::Entry& entry : palette.entries) {
        std::u16string name = QString::fromStdString(entry.name).toStdU16String();
        name.resize(std::min(name.size(), kLongestName));
        name += u'\0';
        putNumber(bytes, kColourEntry, 2);
        putNumber(
            bytes, static_cast<std::uint32_t>(2 + 2 * name.size() + kRgb.size() + 3 * 4 + 2), 4);
        putNumber(bytes, static_cast<std::uint32_t>(name.size()), 2);
        for (const char16_t unit : name)
            putNumber(bytes, unit, 2);
        bytes += kRgb;
        for (const int channel : {redOf(entry.colour), greenOf(entry.colour), blueOf(entry.colour)})
            putNumber(bytes, std::bit_cast<std::uint32_t>(static_cast<float>(channel) / 255.0f), 4);
        putNumber(bytes, kNormalColour, 2);
    }
    return bytes;
}

} // namespace tintabel
