#pragma once

#include "colours/ColourValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tintabel {

// Named colours as the palette files of other tools hold them, in file order. Names are UTF-8 and
// need not be unique. The readers fill it from a file's bytes or raise PaletteError, so a refused
// file never reaches the slots.
struct Palette {
    struct Entry {
        std::string name;
        ColourValue colour = 0;
        // Only a scheme file carries an alpha; the other formats leave it empty.
        std::optional<std::int32_t> alpha;
    };

    std::string name;
    std::vector<Entry> entries;
    // Entries the reader passed over (a colour model it cannot take), one text per entry for the
    // user; the rest of the file was read.
    std::vector<std::string> warnings;
};

} // namespace tintabel
