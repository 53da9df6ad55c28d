#pragma once

#include "colours/Palette.h"

#include <string>
#include <string_view>

namespace tintabel {

// Adobe Swatch Exchange files (*.ase), all numbers big-endian: "ASEF", version 1.0 (two 16-bit
// numbers), a 32-bit block count, then the blocks. A block is a 16-bit type, the 32-bit length of
// what follows and that many bytes. A colour entry block (type 1) holds a 16-bit name length in
// UTF-16 units counting the terminating zero, the name in UTF-16BE with that zero, a four-letter
// colour model, its values as 32-bit floats (three for "RGB " and "LAB ", four for "CMYK", one
// for "Gray") and a 16-bit colour type (0 global, 1 spot, 2 normal). Group start and end blocks,
// and blocks of any other type, are passed over, and so are bytes after the counted blocks. A
// major version other than 1 is refused.

// Only "RGB " colours are taken, each value from 0 to 1 scaled to 0..255 and rounded; values
// outside that range are brought to it. An entry in another known model is left out with a
// warning naming it. Raises PaletteError for a file that is not of this kind or is cut short, a
// block or a name that overruns its room, an unknown colour model or a value that is no number.
Palette readSwatchExchange(std::string_view bytes);

// Every entry as a normal RGB colour, outside any group.
std::string writeSwatchExchange(const Palette& palette);

} // namespace tintabel
