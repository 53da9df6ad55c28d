#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tintabel {

// The one rule by which the program turns texts into integers: leading spaces, an optional "+" or
// "-", then decimal digits or hexadecimal digits after "$", "x", "X", "0x" or "0X", and nothing
// after the digits. Decimal values must lie in the signed 32-bit range; hexadecimal ones must fit
// in 32 bits and wrap to negative above $7FFFFFFF, before the sign applies.

// Nothing when the text is no integer.
std::optional<std::int32_t> tryIntegerFromText(std::string_view text);

// Raises ConversionError "'<text>' is not a valid integer value".
std::int32_t integerFromText(std::string_view text);

} // namespace tintabel
