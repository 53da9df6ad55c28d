#pragma once

#include "colours/ColourValue.h"

#include <array>
#include <cstdint>

namespace tintabel {

// The standard sRGB transfer curve between 8-bit channels and linear light (0 to 1).
double linearChannel(std::uint8_t channel);

// The nearest 8-bit channel; light below 0 or above 1 is clamped.
std::uint8_t encodedChannel(double linear);

// Red, green and blue as linear light.
std::array<double, 3> linearRgb(ColourValue colour);

// The nearest colour to red, green and blue light, each clamped to 0 to 1.
ColourValue encodedColour(const std::array<double, 3>& linear);

// The WCAG 2.x relative luminance, 0 for black to 1 for white.
double relativeLuminance(ColourValue colour);

} // namespace tintabel
