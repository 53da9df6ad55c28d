#pragma once

#include "colours/ColourValue.h"

#include <string_view>

namespace tintabel {

enum class ContrastVerdict { pass, largeOnly, fail };

// The WCAG 2.x contrast ratio, from 1 (the same luminance) to 21 (black and white), whichever
// colour is the lighter.
double contrastRatio(ColourValue first, ColourValue second);

// 4.5 and up passes for text of any size, 3 and up for large text only; the ratio is judged
// unrounded, as WCAG asks.
ContrastVerdict contrastVerdict(double ratio);

// "pass", "large only" or "fail".
std::string_view verdictText(ContrastVerdict verdict);

} // namespace tintabel
