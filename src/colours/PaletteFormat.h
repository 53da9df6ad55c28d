#pragma once

#include "colours/Palette.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tintabel {

class FileSystem;

enum class PaletteFormat { Scheme, Gimp, SwatchExchange };

// Larger files are refused before they are parsed: no palette of ours comes near it.
inline constexpr std::size_t kLargestPaletteFile = 1024 * 1024;

// By the path's extension, in either case: ".ctm", ".gpl" or ".ase". Another extension raises
// PaletteError "Unknown palette file extension (.<ext>)".
PaletteFormat paletteFormatOf(std::string_view path);

// The one entry of every palette reader: a file's bytes to a palette, or PaletteError (a file
// over kLargestPaletteFile, or what the format's reader refuses) or ConversionError (a scheme's
// number text). Reads nothing else and changes nothing.
Palette readPalette(PaletteFormat format, std::string_view bytes);
std::string writePalette(PaletteFormat format, const Palette& palette);

// Reads the input and replaces the output whole, each in the format its extension names, the
// input also a colour document (".xml", colourDocumentPalette); nothing is written when the input
// is refused. A palette without a name is named after the input file.
// Gives the warnings of the read for the user.
std::vector<std::string> convertPalette(
    FileSystem& files, std::string_view input, std::string_view output);

} // namespace tintabel
