#include "picker/AdobeField.h"

#include <algorithm>

namespace tintabel {

namespace {

constexpr int kLast = AdobeField::kLast;
constexpr int kFieldSpan = 286; // the field, the gap and the strip
constexpr int kStripGap = 10;
// The hue/saturation field's value axis has always used this step rather than 100 / 255; the
// colours picked there depend on it.
constexpr double kHueFieldValueStep = 0.3921;

std::uint8_t byteAt(int position)
{
    return static_cast<std::uint8_t>(position);
}

std::uint8_t topDown(int py)
{
    return static_cast<std::uint8_t>(kLast - py);
}

int degreesAt(int position)
{
    return nearest(position * 359.0 / kLast);
}

float percentAt(int position)
{
    return static_cast<float>(position * 100.0 / kLast);
}

float percentDown(int py)
{
    return static_cast<float>(100 - py * 100.0 / kLast);
}

// The pictures' vertical percent: whole steps.
float wholePercentDown(int py)
{
    return static_cast<float>(100 - nearest(py * 100.0 / kLast));
}

int held(double position)
{
    return std::clamp(nearest(position), 0, kLast);
}

int positionOfDegrees(double hue)
{
    return held(hue * kLast / 359);
}

int positionOfPercent(double percent)
{
    return held(percent * kLast / 100);
}

} // namespace

AdobeField::AdobeField(int pictureWidth, int pictureHeight, int previewWidth)
    : m_x0(nearest((pictureWidth - kFieldSpan) / 2.0))
    , m_y0(nearest((pictureHeight - (kLast + 1)) / 2.0))
    , m_x1(m_x0 + kLast + 1 + kStripGap)
    , m_preview {nearest((previewWidth - kPreviewSize) / 2.0),
          nearest((pictureHeight - kPreviewSize) / 2.0)}
{
}

bool AdobeField::inField(int x, int y) const
{
    return x >= m_x0 && x <= m_x0 + kLast && y >= m_y0 && y <= m_y0 + kLast;
}

bool AdobeField::inStrip(int x, int y) const
{
    return x >= m_x1 && x <= m_x1 + kStripWidth - 1 && y >= m_y0 && y <= m_y0 + kLast;
}

PixelPoint AdobeField::fieldPosition(int x, int y) const
{
    return {std::clamp(x - m_x0, 0, kLast), stripPosition(y)};
}

int AdobeField::stripPosition(int y) const
{
    return std::clamp(y - m_y0, 0, kLast);
}

void AdobeField::fieldPick(AdobeMode mode, PixelPoint position, TCouleur& page)
{
    const auto [px, py] = position;
    const RvbBytes rvb = page.RVB();
    const TsvDegrees tsv = page.TSV();
    switch (mode) {
    case AdobeMode::R:
        page.SetRVB(rvb.red, topDown(py), byteAt(px));
        return;
    case AdobeMode::V:
        page.SetRVB(topDown(py), rvb.green, byteAt(px));
        return;
    case AdobeMode::B:
        page.SetRVB(byteAt(px), topDown(py), rvb.blue);
        return;
    case AdobeMode::T:
        page.SetTSV(tsv.hue, percentAt(px), static_cast<float>(100 - py * kHueFieldValueStep));
        return;
    case AdobeMode::S:
        page.SetTSV(degreesAt(px), tsv.saturation, percentDown(py));
        return;
    case AdobeMode::L:
        page.SetTSV(degreesAt(px), percentDown(py), tsv.value);
        return;
    }
}

void AdobeField::stripPick(AdobeMode mode, int py, TCouleur& page)
{
    const RvbBytes rvb = page.RVB();
    const TsvDegrees tsv = page.TSV();
    switch (mode) {
    case AdobeMode::R:
        page.SetRVB(topDown(py), rvb.green, rvb.blue);
        return;
    case AdobeMode::V:
        page.SetRVB(rvb.red, topDown(py), rvb.blue);
        return;
    case AdobeMode::B:
        page.SetRVB(rvb.red, rvb.green, topDown(py));
        return;
    case AdobeMode::T:
        page.SetTSV(nearest(359 - py * 359.0 / kLast), tsv.saturation, tsv.value);
        return;
    case AdobeMode::S:
        page.SetTSV(tsv.hue, percentDown(py), tsv.value);
        return;
    case AdobeMode::L:
        page.SetTSV(tsv.hue, tsv.saturation, percentDown(py));
        return;
    }
}

RvbBytes AdobeField::fieldColour(AdobeMode mode, PixelPoint position, const TCouleur& page)
{
    const auto [px, py] = position;
    const RvbBytes rvb = page.RVB();
    const TsvDegrees tsv = page.TSV();
    switch (mode) {
    case AdobeMode::R:
        return {rvb.red, topDown(py), byteAt(px)};
    case AdobeMode::V:
        return {topDown(py), rvb.green, byteAt(px)};
    case AdobeMode::B:
        return {byteAt(px), topDown(py), rvb.blue};
    case AdobeMode::T:
        return tsvToRgb({tsv.hue, percentAt(px), wholePercentDown(py)});
    case AdobeMode::S:
        return tsvToRgb({degreesAt(px), tsv.saturation, wholePercentDown(py)});
    case AdobeMode::L:
        return tsvToRgb({degreesAt(px), wholePercentDown(py), tsv.value});
    }
    return {};
}

RvbBytes AdobeField::stripColour(AdobeMode mode, int py, const TCouleur& page)
{
    TCouleur picked = page;
    stripPick(mode, py, picked);
    return picked.RVB();
}

PixelPoint AdobeField::fieldCursor(AdobeMode mode, const TCouleur& page)
{
    const RvbBytes rvb = page.RVB();
    const TsvDegrees tsv = page.TSV();
    switch (mode) {
    case AdobeMode::R:
        return {rvb.blue, kLast - rvb.green};
    case AdobeMode::V:
        return {rvb.blue, kLast - rvb.red};
    case AdobeMode::B:
        return {rvb.red, kLast - rvb.green};
    case AdobeMode::T:
        return {positionOfPercent(tsv.saturation), held((100 - tsv.value) / kHueFieldValueStep)};
    case AdobeMode::S:
        return {positionOfDegrees(tsv.hue), positionOfPercent(100 - tsv.value)};
    case AdobeMode::L:
        return {positionOfDegrees(tsv.hue), positionOfPercent(100 - tsv.saturation)};
    }
    return {};
}

int AdobeField::stripCursor(AdobeMode mode, const TCouleur& page)
{
    const RvbBytes rvb = page.RVB();
    const TsvDegrees tsv = page.TSV();
    switch (mode) {
    case AdobeMode::R:
        return kLast - rvb.red;
    case AdobeMode::V:
        return kLast - rvb.green;
    case AdobeMode::B:
        return kLast - rvb.blue;
    case AdobeMode::T:
        return positionOfDegrees(359 - tsv.hue);
    case AdobeMode::S:
        return positionOfPercent(100 - tsv.saturation);
    case AdobeMode::L:
        return positionOfPercent(100 - tsv.value);
    }
    return 0;
}

} // namespace tintabel
