#pragma once

#include "colours/ColourValue.h"

namespace tintabel {

struct LabColour {
    double lightness = 0;
    double a = 0;
    double b = 0;
};

// CIELAB of an sRGB colour seen under D65, the sRGB white: white is (100, 0, 0).
LabColour labOf(ColourValue colour);

// The CIEDE2000 difference with all weights 1; about 1 is the smallest difference the eye sees
// side by side.
double ciede2000(const LabColour& first, const LabColour& second);

double colourDifference(ColourValue first, ColourValue second);

} // namespace tintabel
