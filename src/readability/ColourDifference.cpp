#include "readability/ColourDifference.h"

#include "readability/Srgb.h"

#include <lcms2.h>

namespace tintabel {

namespace {

// Linear sRGB to XYZ (IEC 61966-2-1), rows X, Y, Z.
constexpr double kToXyz[3][3] {
    {0.4124564, 0.3575761, 0.1804375},
    {0.2126729, 0.7151522, 0.0721750},
    {0.0193339, 0.1191920, 0.9503041},
};

// The white of the same matrix rather than a rounded D65 from a table, so that white and the
// greys come out with a and b exactly 0.
constexpr cmsCIEXYZ kWhite {kToXyz[0][0] + kToXyz[0][1] + kToXyz[0][2],
    kToXyz[1][0] + kToXyz[1][1] + kToXyz[1][2], kToXyz[2][0] + kToXyz[2][1] + kToXyz[2][2]};

cmsCIELab toLittleCms(const LabColour& colour)
{
    return {colour.lightness, colour.a, colour.b};
}

} // namespace

LabColour labOf(ColourValue colour)
{
    const std::array<double, 3> linear = linearRgb(colour);
    double xyz[3];
    for (int row = 0; row < 3; ++row)
        xyz[row]
            = kToXyz[row][0] * linear[0] + kToXyz[row][1] * linear[1] + kToXyz[row][2] * linear[2];
    const cmsCIEXYZ tristimulus {xyz[0], xyz[1], xyz[2]};
    cmsCIELab lab;
    cmsXYZ2Lab(&kWhite, &lab, &tristimulus);
    return {lab.L, lab.a, lab.b};
}

double ciede2000(const LabColour& first, const LabColour& second)
{
    const cmsCIELab one = toLittleCms(first);
    const cmsCIELab other = toLittleCms(second);
    return cmsCIE2000DeltaE(&one, &other, 1.0, 1.0, 1.0);
}

double colourDifference(ColourValue first, ColourValue second)
{
    return ciede2000(labOf(first), labOf(second));
}

} // namespace tintabel
