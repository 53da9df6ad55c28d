#include "readability/Srgb.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tintabel {

namespace {

double decode(double encoded)
{
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

const std::array<double, 256>& linearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values {};
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = decode(static_cast<double>(i) / 255.0);
        return values;
    }();
    return table;
}

// The light at which rounding passes from one channel value to the next. Searching these instead
// of raising to the power 1/2.4 keeps whole pictures cheap to convert and rounds exactly alike.
const std::array<double, 255>& roundingSteps()
{
    static const std::array<double, 255> steps = [] {
        std::array<double, 255> values {};
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = decode((static_cast<double>(i) + 0.5) / 255.0);
        return values;
    }();
    return steps;
}

} // namespace

double linearChannel(std::uint8_t channel)
{
    return linearTable()[channel];
}

std::uint8_t encodedChannel(double linear)
{
    const auto& steps = roundingSteps();
    return static_cast<std::uint8_t>(
        std::upper_bound(steps.begin(), steps.end(), linear) - steps.begin());
}

std::array<double, 3> linearRgb(ColourValue colour)
{
    const auto& table = linearTable();
    return {table[redOf(colour)], table[greenOf(colour)], table[blueOf(colour)]};
}

ColourValue encodedColour(const std::array<double, 3>& linear)
{
    return makeColour(
        encodedChannel(linear[0]), encodedChannel(linear[1]), encodedChannel(linear[2]));
}

double relativeLuminance(ColourValue colour)
{
    const auto [red, green, blue] = linearRgb(colour);
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue;
}

} // namespace tintabel
