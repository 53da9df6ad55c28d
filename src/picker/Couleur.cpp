#include "picker/Couleur.h"

#include <algorithm>
#include <cmath>

namespace tintabel {

namespace {

// Inputs within their ranges always round into a byte; the clamp only keeps values from
// outside those ranges from wrapping round.
std::uint8_t byteOf(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

std::uint8_t channel(double t, double m1, double m2)
{
    if (t < 0)
        t += 1;
    else if (t > 1)
        t -= 1;
    double v;
    if (6 * t < 1)
        v = m1 + (m2 - m1) * (6 * t);
    else if (2 * t < 1)
        v = m2;
    else if (3 * t < 2)
        v = m1 + (m2 - m1) * (2.0 / 3.0 - t) * 6;
    else
        v = m1;
    return byteOf(nearest(255 * v));
}

} // namespace

int nearest(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

int nearest(float x)
{
    return static_cast<int>(std::nearbyint(x));
}

TslFractions rgbToTsl(RvbBytes rvb)
{
    const double r = rvb.red / 255.0;
    const double g = rvb.green / 255.0;
    const double b = rvb.blue / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    TslFractions tsl;
    tsl.lightness = (max + min) / 2;
    if (max == min)
        return tsl;
    const double d = max - min;
    tsl.saturation = tsl.lightness < 0.5 ? d / (max + min) : d / (2 - max - min);
    double h;
    if (r == max)
        h = (g - b) / d;
    else if (g == max)
        h = 2 + (b - r) / d;
    else
        h = 4 + (r - g) / d;
    h /= 6;
    if (h < 0)
        h += 1;
    tsl.hue = h;
    return tsl;
}

RvbBytes tslToRgb(const TslFractions& tsl)
{
    const double h = tsl.hue;
    const double s = tsl.saturation;
    const double l = tsl.lightness;
    if (s == 0) {
        const std::uint8_t grey = byteOf(nearest(255 * l));
        return {grey, grey, grey};
    }
    const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
    const double m1 = 2 * l - m2;
    return {channel(h + 1.0 / 3.0, m1, m2), channel(h, m1, m2), channel(h - 1.0 / 3.0, m1, m2)};
}

TsvDegrees rgbToTsv(RvbBytes rvb, std::int32_t previousHue)
{
    const int max = std::max({rvb.red, rvb.green, rvb.blue});
    const int min = std::min({rvb.red, rvb.green, rvb.blue});
    const int d = max - min;
    TsvDegrees tsv;
    tsv.hue = previousHue;
    if (d == 0) {
        tsv.value = static_cast<float>(rvb.red) * 100.0f / 255.0f;
        return tsv;
    }
    tsv.saturation = static_cast<float>(d) / static_cast<float>(max) * 100.0f;
    tsv.value = static_cast<float>(max) / 255.0f * 100.0f;
    return tsv;
}

RvbBytes tsvToRgb(const TsvDegrees& tsv)
{
    const float h = static_cast<float>(tsv.hue) / 360.0f;
    const float s = tsv.saturation / 100.0f;
    const float v = 255.0f * tsv.value / 100.0f;
    if (s == 0) {
        const std::uint8_t grey = byteOf(nearest(v));
        return {grey, grey, grey};
    }
    const float h6 = h * 6.0f;
    const int i = static_cast<int>(h6);
    const float f = h6 - static_cast<float>(i);
    const std::uint8_t bv = byteOf(nearest(v));
    const std::uint8_t p = byteOf(nearest((1.0f - s) * v));
    const std::uint8_t q = byteOf(nearest((1.0f - s * f) * v));
    const std::uint8_t t = byteOf(nearest((1.0f - (1.0f - f) * s) * v));
    switch (i) {
    case 0:
        return {bv, t, p};
    case 1:
        return {q, bv, p};
    case 2:
        return {p, bv, t};
    case 3:
        return {p, q, bv};
    case 4:
        return {t, p, bv};
    default:
        return {bv, p, q};
    }
}

TslBytes tslToPsp(const TslFractions& tsl)
{
    return {byteOf(nearest(tsl.hue * 255)), byteOf(nearest(tsl.saturation * 255)),
        byteOf(nearest(tsl.lightness * 255))};
}

TslFractions pspToTsl(TslBytes psp)
{
    return {psp.hue / 255.0, psp.saturation / 255.0, psp.lightness / 255.0};
}

void TCouleur::SetRVB(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    m_rvb = {red, green, blue};
    m_tsl = rgbToTsl(m_rvb);
    deriveFromRvbAndTsl();
}

void TCouleur::SetTSL(double hue, double saturation, double lightness)
{
    m_tsl = {hue, saturation, lightness};
    m_rvb = tslToRgb(m_tsl);
    deriveFromRvbAndTsl();
}

void TCouleur::SetTSLPSP(std::uint8_t hue, std::uint8_t saturation, std::uint8_t lightness)
{
    const TslBytes given {hue, saturation, lightness};
    m_tsl = pspToTsl(given);
    m_rvb = tslToRgb(m_tsl);
    deriveFromRvbAndTsl();
    m_tslPsp = given;
}

void TCouleur::SetTSV(std::int32_t hue, float saturation, float value)
{
    m_tsv = {hue, saturation, value};
    m_rvb = tsvToRgb(m_tsv);
    m_tsl = rgbToTsl(m_rvb);
    m_tslPsp = tslToPsp(m_tsl);
    packRvb();
}

void TCouleur::SetColor(ColourValue colour)
{
    m_rvb = channelsOf(colour);
    m_tsl = rgbToTsl(m_rvb);
    deriveFromRvbAndTsl();
    m_color = colour;
}

// The TSV hue rule reads the TSL hue, so TSL comes first; the rest depends on the bytes alone.
void TCouleur::deriveFromRvbAndTsl()
{
    m_tsv = rgbToTsv(m_rvb, m_tsv.hue);
    applyTsvHueRule();
    m_tslPsp = tslToPsp(m_tsl);
    packRvb();
}

void TCouleur::packRvb()
{
    m_color = makeColour(m_rvb);
    m_hexa = RgbToHex(m_rvb.red, m_rvb.green, m_rvb.blue);
}

void TCouleur::applyTsvHueRule()
{
    if (m_tsv.saturation != 0)
        m_tsv.hue = nearest(m_tsl.hue * 359);
}

} // namespace tintabel
