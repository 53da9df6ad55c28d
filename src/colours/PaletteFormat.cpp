#include "colours/PaletteFormat.h"

#include "colours/ColourDocumentFile.h"
#include "colours/GimpPalette.h"
#include "colours/PaletteError.h"
#include "colours/SchemePalette.h"
#include "colours/SwatchExchange.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace tintabel {

namespace {

struct Codec {
    std::string_view extension;
    Palette (*read)(std::string_view bytes);
    std::string (*write)(const Palette& palette);
};

// In the order of PaletteFormat.
constexpr Codec kCodecs[] = {
    {".ctm", readSchemePalette, writeSchemePalette},
    {".gpl", readGimpPalette, writeGimpPalette},
    {".ase", readSwatchExchange, writeSwatchExchange},
};

const Codec& codecOf(PaletteFormat format)
{
    return kCodecs[static_cast<std::size_t>(format)];
}

} // namespace

PaletteFormat paletteFormatOf(std::string_view path)
{
    const std::string extension = extensionPart(path);
    for (std::size_t index = 0; index < std::size(kCodecs); ++index) {
        if (sameNameIgnoringCase(extension, kCodecs[index].extension))
            return static_cast<PaletteFormat>(index);
    }
    throw PaletteError(formatMessage("Unknown palette file extension (.%s)",
        {std::string_view(extension).substr(extension.empty() ? 0 : 1)}));
}

Palette readPalette(PaletteFormat format, std::string_view bytes)
{
    if (bytes.size() > kLargestPaletteFile)
        throw PaletteError("The palette file is larger than 1 MB");
    return codecOf(format).read(bytes);
}

std::string writePalette(PaletteFormat format, const Palette& palette)
{
    return codecOf(format).write(palette);
}

std::vector<std::string> convertPalette(
    FileSystem& files, std::string_view input, std::string_view output)
{
    const PaletteFormat to = paletteFormatOf(output);
    Palette palette = sameNameIgnoringCase(extensionPart(input), ".xml")
        ? colourDocumentPalette(files, std::string(input))
        : readPalette(paletteFormatOf(input), files.readFile(input));
    if (palette.name.empty()) {
        const std::string name = fileNamePart(input);
        palette.name = name.substr(0, name.size() - extensionPart(name).size());
    }
    files.writeFileAtomically(output, writePalette(to, palette));
    return std::move(palette.warnings);
}

} // namespace tintabel
