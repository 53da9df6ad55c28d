#pragma once

#include "colours/Palette.h"

#include <string>
#include <string_view>

namespace tintabel {

// Scheme files (*.ctm) as palettes. The window's "Load colour scheme" keeps to ColourSchemeReader;
// these serve conversion between palette formats and work without a window.

// Every whole ColourRecord in file order, names taken as Latin-1, alphas kept; bytes after the last
// whole record are not read. Channels and alphas are read by the integer rule as the scheme loader
// reads them (blue, green, red, then alpha), only their low 8 bits kept for the channels; a text
// that is no integer raises ConversionError.
Palette readSchemePalette(std::string_view bytes);

// A scheme file holds the eight slots: the palette is imported into slots at their start values
// (importPalette), which are then written as "Save colour scheme" writes them, so a scheme
// read here and written again comes out byte for byte as the working colour file of those slots.
std::string writeSchemePalette(const Palette& palette);

} // namespace tintabel
