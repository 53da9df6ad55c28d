#pragma once

#include "readability/ReadabilityFigures.h"

#include <string>

namespace tintabel {

// For reading: one line per slot in slot order (name, colour and shown colour as six hex digits,
// alpha, contrast, verdict), then one line per compared pair (the two names, the difference for
// normal vision, protanopia, deuteranopia and tritanopia). Columns line up; numbers have two
// decimals.
std::string plainReport(const ReadabilityFigures& figures);

// For programs: {"slots": [...], "pairs": [...], "pass": ...}, slots and pairs in the same order,
// colours as "#rrggbb", contrast and differences with two decimals.
std::string jsonReport(const ReadabilityFigures& figures);

} // namespace tintabel
