#pragma once

#include <cstdint>

namespace tintabel {

// A dialog that picks one colour (a ColourValue): what the palette button needs of the picker.
class ColourChooser {
public:
    virtual ~ColourChooser() = default;
    virtual std::uint32_t Color() const = 0;
    virtual void SetColor(std::uint32_t colour) = 0;
    // True when the user confirmed; Color() then holds the choice.
    virtual bool Execute() = 0;
};

} // namespace tintabel
