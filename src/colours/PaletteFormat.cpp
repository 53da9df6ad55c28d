#include "colours/PaletteFormat.h"

#include "colours/GimpPalette.h"
#include "colours/PaletteError.h"
#include "colours/SchemePalette.h"
#include "colours/SwatchExchange.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace tintabel {

PaletteFormat paletteFormatOf(std::string_view path)
{
    const std::string extension = extensionPart(path);
    if (sameNameIgnoringCase(extension, ".ctm"))
        return PaletteFormat::Scheme;
    if (sameNameIgnoringCase(extension, ".gpl"))
        return PaletteFormat::Gimp;
    if (sameNameIgnoringCase(extension, ".ase"))
        return PaletteFormat::SwatchExchange;
    throw PaletteError(formatMessage("Unknown palette file extension (.%s)",
        {std::string_view(extension).substr(extension.empty() ? 0 : 1)}));
}

Palette readPalette(PaletteFormat format, std::string_view bytes)
{
    if (bytes.size() > kLargestPaletteFile)
        throw PaletteError("The palette file is larger than 1 MB");
    switch (format) {
    case PaletteFormat::Scheme:
        return readSchemePalette(bytes);
    case PaletteFormat::Gimp:
        return readGimpPalette(bytes);
    case PaletteFormat::SwatchExchange:
        return readSwatchExchange(bytes);
    }
    return {};
}

std::string writePalette(PaletteFormat format, const Palette& palette)
{
    switch (format) {
    case PaletteFormat::Scheme:
        return writeSchemePalette(palette);
    case PaletteFormat::Gimp:
        return writeGimpPalette(palette);
    case PaletteFormat::SwatchExchange:
        return writeSwatchExchange(palette);
    }
    return {};
}

std::vector<std::string> convertPalette(
    FileSystem& files, std::string_view input, std::string_view output)
{
    const PaletteFormat from = paletteFormatOf(input);
    const PaletteFormat to = paletteFormatOf(output);
    Palette palette = readPalette(from, files.readFile(input));
    if (palette.name.empty()) {
        const std::string name = fileNamePart(input);
        palette.name = name.substr(0, name.size() - extensionPart(name).size());
    }
    files.writeFileAtomically(output, writePalette(to, palette));
    return std::move(palette.warnings);
}

} // namespace tintabel
