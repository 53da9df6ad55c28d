#pragma once

#include "colours/Palette.h"

#include <string>
#include <string_view>

namespace tintabel {

// GIMP palettes (*.gpl): the line "GIMP Palette", then in any order "Name: " lines (the last one
// names the palette), "Columns: " lines, comment lines starting with "#", blank lines, and one
// line per colour: red, green and blue as decimal numbers from 0 to 255 and the colour's name,
// separated by blanks. GIMP takes a colour line without a name, and so do we. Lines end in LF or
// CR LF.

// Raises PaletteError for a missing header or a line that is none of the above.
Palette readGimpPalette(std::string_view bytes);

// Line breaks inside a name become spaces, so each colour stays one line.
std::string writeGimpPalette(const Palette& palette);

} // namespace tintabel
