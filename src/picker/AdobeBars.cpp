#include "picker/AdobeBars.h"

#include <algorithm>

namespace tintabel {

namespace {

constexpr int kLast = AdobeBars::kSteps - 1;
constexpr int kRows = 7;

// The tops of the bars in the order of kBars; each is kRows high.
constexpr std::array<int, 7> kTops {16, 65, 89, 113, 160, 185, 209};

// Position i of a bar as degrees or percent, unrounded.
double degreesAt(int position)
{
    return position * 359.0 / kLast;
}

double percentAt(int position)
{
    return position * 100.0 / kLast;
}

} // namespace

BarRect AdobeBars::rect(AdobeBar bar)
{
    if (bar == AdobeBar::None)
        return {};
    const int top = kTops[static_cast<std::size_t>(bar) - 1];
    return {kLeft, top, kLeft + kSteps, top + kRows};
}

AdobeBar AdobeBars::barAt(int x, int y)
{
    for (const AdobeBar bar : kBars) {
        const BarRect area = rect(bar);
        if (x >= area.left && x <= area.right && y >= area.top && y <= area.bottom)
            return bar;
    }
    return AdobeBar::None;
}

int AdobeBars::positionAt(int x)
{
    return std::clamp(x, kLeft, kLeft + kLast) - kLeft;
}

RvbBytes AdobeBars::pixelColour(AdobeBar bar, int position, const TCouleur& page)
{
    const auto value = static_cast<std::uint8_t>(position);
    RvbBytes rvb = page.RVB();
    const TsvDegrees tsv = page.TSV();
    switch (bar) {
    case AdobeBar::None:
        return {};
    case AdobeBar::Grey:
        return {value, value, value};
    case AdobeBar::Red:
        rvb.red = value;
        return rvb;
    case AdobeBar::Green:
        rvb.green = value;
        return rvb;
    case AdobeBar::Blue:
        rvb.blue = value;
        return rvb;
    case AdobeBar::Hue:
        return tsvToRgb({nearest(degreesAt(position)), 100, 100});
    case AdobeBar::Saturation:
        return tsvToRgb({tsv.hue, static_cast<float>(percentAt(position)), tsv.value});
    case AdobeBar::Value:
        return tsvToRgb({tsv.hue, tsv.saturation, static_cast<float>(percentAt(position))});
    }
    return {};
}

int AdobeBars::markerPosition(AdobeBar bar, const TCouleur& page, std::uint8_t rememberedGrey)
{
    const RvbBytes rvb = page.RVB();
    const TsvDegrees tsv = page.TSV();
    switch (bar) {
    case AdobeBar::None:
        return 0;
    case AdobeBar::Grey:
        return rememberedGrey;
    case AdobeBar::Red:
        return rvb.red;
    case AdobeBar::Green:
        return rvb.green;
    case AdobeBar::Blue:
        return rvb.blue;
    case AdobeBar::Hue:
        return nearest(tsv.hue * 255.0 / 359);
    case AdobeBar::Saturation:
        return nearest(255.0 * tsv.saturation / 100);
    case AdobeBar::Value:
        return nearest(255.0 * tsv.value / 100);
    }
    return 0;
}

void AdobeBars::pick(AdobeBar bar, int position, TCouleur& page, std::uint8_t& rememberedGrey)
{
    const auto value = static_cast<std::uint8_t>(position);
    const RvbBytes rvb = page.RVB();
    const TsvDegrees tsv = page.TSV();
    switch (bar) {
    case AdobeBar::None:
        return;
    case AdobeBar::Grey:
        page.SetRVB(value, value, value);
        rememberedGrey = value;
        return;
    case AdobeBar::Red:
        page.SetRVB(value, rvb.green, rvb.blue);
        return;
    case AdobeBar::Green:
        page.SetRVB(rvb.red, value, rvb.blue);
        return;
    case AdobeBar::Blue:
        page.SetRVB(rvb.red, rvb.green, value);
        return;
    case AdobeBar::Hue:
        page.SetTSV(nearest(degreesAt(position)), tsv.saturation, tsv.value);
        return;
    case AdobeBar::Saturation:
        page.SetTSV(tsv.hue, static_cast<float>(nearest(percentAt(position))), tsv.value);
        return;
    case AdobeBar::Value:
        page.SetTSV(tsv.hue, tsv.saturation, static_cast<float>(nearest(percentAt(position))));
        return;
    }
}

} // namespace tintabel
