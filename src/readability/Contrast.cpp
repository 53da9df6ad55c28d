#include "readability/Contrast.h"

#include "readability/Srgb.h"

#include <algorithm>

namespace tintabel {

double contrastRatio(ColourValue first, ColourValue second)
{
    const double one = relativeLuminance(first);
    const double other = relativeLuminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

ContrastVerdict contrastVerdict(double ratio)
{
    if (ratio >= 4.5)
        return ContrastVerdict::pass;
    if (ratio >= 3.0)
        return ContrastVerdict::largeOnly;
    return ContrastVerdict::fail;
}

std::string_view verdictText(ContrastVerdict verdict)
{
    switch (verdict) {
    case ContrastVerdict::pass:
        return "pass";
    case ContrastVerdict::largeOnly:
        return "large only";
    case ContrastVerdict::fail:
        break;
    }
    return "fail";
}

} // namespace tintabel
