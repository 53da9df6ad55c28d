// Colour scheme files (*.ctm), as the "Load" button applies them to the slots and as the palette
// conversions read them.
#include "colours/ColourRecord.h"
#include "colours/ColourSchemeReader.h"
#include "colours/PaletteFormat.h"
#include "colours/SlotModel.h"
#include "platform/Errors.h"
#include "support/Check.h"
#include "support/InputFiles.h"

using namespace tintabel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tintabel::fuzz::InputFiles files(bytes);
    SlotModel slots;
    ColourSchemeReader reader(files, slots,
        {[](std::size_t) {},
            [&](std::size_t index, std::int32_t alpha) {
                slots.setAlpha(index, std::to_string(alpha));
            }});
    bool read = false;
    try {
        read = reader.load("scheme.ctm");
    } catch (const Error&) {
    }

    try {
        const Palette palette = readPalette(PaletteFormat::Scheme, bytes);
        // Both readers take the same records; only the slot reader cuts a file short.
        FUZZ_CHECK(read);
        FUZZ_CHECK(palette.entries.size() == size / ColourRecord::kSize);
    } catch (const Error&) {
    }
    return 0;
}
