#include "readability/AttributeBands.h"

#include "colours/ColourSlot.h"

#include <string>

namespace tintabel {

namespace {

std::string bandName(std::size_t band)
{
    return std::string(kColourSlots[band].displayName) + " band";
}

} // namespace

AttributeBands::AttributeBands()
    : m_bands {{{1, 5}, {6, 10}, {11, 15}, {16, 20}}}
{
}

AttributeBands::AttributeBands(const std::array<ValueBand, kBandCount>& bands)
    : m_bands(bands)
{
    if (bands.front().from != kLowestValue)
        throw AttributeBandsError(
            formatMessage("The %s must start at %d", {bandName(0), std::to_string(kLowestValue)}));
    for (std::size_t band = 0; band < kBandCount; ++band) {
        if (bands[band].to < bands[band].from)
            throw AttributeBandsError(
                formatMessage("The %s must not end before it starts", {bandName(band)}));
        if (band > 0 && bands[band].from != bands[band - 1].to + 1)
            throw AttributeBandsError(formatMessage(
                "The %s must start right after the %s", {bandName(band), bandName(band - 1)}));
    }
    if (bands.back().to != kHighestValue)
        throw AttributeBandsError(formatMessage(
            "The %s must end at %d", {bandName(kBandCount - 1), std::to_string(kHighestValue)}));
}

std::size_t AttributeBands::slotOf(int value) const
{
    std::size_t band = 0;
    while (band + 1 < kBandCount && value > m_bands[band].to)
        ++band;
    return band;
}

} // namespace tintabel
