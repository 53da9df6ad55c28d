#pragma once

#include "platform/Errors.h"

namespace tintabel {

// A palette or scheme file that cannot be read as its kind; the text says what is wrong with it.
class PaletteError : public Error {
public:
    using Error::Error;
};

} // namespace tintabel
