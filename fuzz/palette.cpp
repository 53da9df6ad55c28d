// The palette files of other tools (GIMP's *.gpl, Adobe's *.ase). Whatever reads, written in
// its format and read again, gives the same colours in the same order.
#include "colours/PaletteFormat.h"
#include "platform/Errors.h"
#include "support/Check.h"

using namespace tintabel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const PaletteFormat format : {PaletteFormat::Gimp, PaletteFormat::SwatchExchange}) {
        Palette palette;
        try {
            palette = readPalette(format, bytes);
        } catch (const Error&) {
            continue;
        }
        const Palette again = readPalette(format, writePalette(format, palette));
        FUZZ_CHECK(again.entries.size() == palette.entries.size());
        for (std::size_t i = 0; i < again.entries.size(); ++i)
            FUZZ_CHECK(again.entries[i].colour == palette.entries[i].colour);
    }
    return 0;
}
