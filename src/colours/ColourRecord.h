#pragma once

#include "colours/ColourValue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tintabel {

// The 67-byte record of the working file and of scheme files: five strings, each a length byte
// followed by a fixed character area (50 for the name, 3 for each channel and the alpha), packed
// with no gaps. Characters are single bytes; the numbers are decimal text.
struct ColourRecord {
    static constexpr std::size_t kSize = 67;
    static constexpr std::size_t kNameArea = 50;
    static constexpr std::size_t kChannelArea = 3;
    static constexpr std::size_t kNameOffset = 0;
    static constexpr std::size_t kRedOffset = 51;
    static constexpr std::size_t kGreenOffset = 55;
    static constexpr std::size_t kBlueOffset = 59;
    static constexpr std::size_t kAlphaOffset = 63;

    using Bytes = std::array<std::uint8_t, kSize>;

    std::string name;
    std::string red;
    std::string green;
    std::string blue;
    std::string alpha;

    // The record of a slot: the channels of its colour as decimal text.
    static ColourRecord fromSlot(std::string_view name, ColourValue colour, std::string_view alpha);

    // Writes each field's length byte and characters, a text longer than its area cut to the area.
    // Bytes of an area past the text's length keep what the buffer held: the working file reuses
    // one buffer for all its records, and files already written carry those bytes.
    void writeInto(Bytes& buffer) const;

    // A length byte larger than its area counts as the whole area.
    static ColourRecord readFrom(std::span<const std::uint8_t, kSize> bytes);
};

} // namespace tintabel
