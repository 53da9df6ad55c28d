#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tintabel {

class ColourChooser;

// The decimal texts of the red, green and blue editors.
struct ChannelTexts {
    std::string red;
    std::string green;
    std::string blue;
    friend bool operator==(const ChannelTexts&, const ChannelTexts&) = default;
};

struct PaletteChoice {
    std::uint32_t colour = 0; // for the current-colour swatch
    ChannelTexts texts; // to write into the red, green and blue editors, in that order
};

// The palette button: opens the picker on the editors' colour. Nothing when the user cancels;
// otherwise the chosen colour, which the picker keeps as its colour. A channel text that is no
// integer raises ConversionError before the picker opens; a channel uses the low 8 bits of its
// value.
std::optional<PaletteChoice> pltClick(ColourChooser& dialog, const ChannelTexts& editors);

} // namespace tintabel
