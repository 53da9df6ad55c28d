#include "colours/ColourRecord.h"

#include <algorithm>

namespace tintabel {

namespace {

void writeField(
    ColourRecord::Bytes& buffer, std::size_t offset, std::size_t area, std::string_view text)
{
    const std::size_t length = std::min(text.size(), area);
    buffer[offset] = static_cast<std::uint8_t>(length);
    std::copy_n(text.begin(), length, buffer.begin() + static_cast<std::ptrdiff_t>(offset) + 1);
}

std::string readField(
    std::span<const std::uint8_t, ColourRecord::kSize> bytes, std::size_t offset, std::size_t area)
{
    const std::size_t length = std::min<std::size_t>(bytes[offset], area);
    const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(offset) + 1;
    return std::string(first, first + static_cast<std::ptrdiff_t>(length));
}

} // namespace

ColourRecord ColourRecord::fromSlot(
    std::string_view name, ColourValue colour, std::string_view alpha)
{
    return {
        .name = std::string(name),
        .red = std::to_string(redOf(colour)),
        .green = std::to_string(greenOf(colour)),
        .blue = std::to_string(blueOf(colour)),
        .alpha = std::string(alpha),
    };
}

void ColourRecord::writeInto(Bytes& buffer) const
{
    writeField(buffer, kNameOffset, kNameArea, name);
    writeField(buffer, kRedOffset, kChannelArea, red);
    writeField(buffer, kGreenOffset, kChannelArea, green);
    writeField(buffer, kBlueOffset, kChannelArea, blue);
    writeField(buffer, kAlphaOffset, kChannelArea, alpha);
}

ColourRecord ColourRecord::readFrom(std::span<const std::uint8_t, kSize> bytes)
{
    return {
        .name = readField(bytes, kNameOffset, kNameArea),
        .red = readField(bytes, kRedOffset, kChannelArea),
        .green = readField(bytes, kGreenOffset, kChannelArea),
        .blue = readField(bytes, kBlueOffset, kChannelArea),
        .alpha = readField(bytes, kAlphaOffset, kChannelArea),
    };
}

} // namespace tintabel
