#include "picker/WheelPicture.h"

#include "picker/PictureDrawing.h"

#include <algorithm>

namespace tintabel {

WheelPicture::WheelPicture(QImage& picture, const WheelGeometry& geometry)
    : m_picture(picture)
    , m_geometry(geometry)
{
}

const std::array<QRgb, WheelGeometry::kRingHues>& WheelPicture::ringColours()
{
    static const auto table = [] {
        std::array<QRgb, WheelGeometry::kRingHues> colours {};
        TCouleur couleur;
        for (int i = 0; i < WheelGeometry::kRingHues; ++i) {
            couleur.SetTSL(i / 359.0, 1, 0.47);
            colours[i] = rgbOf(couleur.RVB());
        }
        return colours;
    }();
    return table;
}

void WheelPicture::paintWheel(QRgb background, double hue)
{
    m_markersShown = false;
    m_picture.fill(background);
    const auto& colours = ringColours();
    const int scale = pictureScale(m_picture);
    const int offset = m_geometry.wheelOffset() * scale;
    const int size = (WheelGeometry::kBoxSize + 1) * scale;
    for (int y = 0; y < size && y < m_picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_picture.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const int pictureX = offset + x;
            if (pictureX < 0 || pictureX >= m_picture.width()
                || !WheelGeometry::inPaintedRing(x, y, scale))
                continue;
            line[pictureX] = colours[WheelGeometry::ringTableIndex(x, y, scale)];
        }
    }
    paintSquare(hue);
}

// Each device pixel shows the colour of its top left corner; the last ones of the last pixel
// keep its saturation or lightness of 1.
void WheelPicture::paintSquare(double hue)
{
    const int first = WheelGeometry::kSquareFirst;
    const int last = WheelGeometry::kSquareLast;
    const double scale = WheelGeometry::kSquareScale;
    const int pixels = pictureScale(m_picture);
    const int offset = m_geometry.wheelOffset() * pixels;
    const auto fraction
        = [&](int device) { return std::min(1.0, (double(device) / pixels - first) / scale); };
    for (int y = first * pixels; y < (last + 1) * pixels; ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_picture.scanLine(y));
        const double lightness = fraction(y);
        for (int x = first * pixels; x < (last + 1) * pixels; ++x)
            line[offset + x] = rgbOf(tslToRgb({hue, fraction(x), lightness}));
    }
}

void WheelPicture::drawMarkers(const TslFractions& tsl)
{
    removeMarkers();
    m_squareMarker = m_geometry.squareMarkerCentre(tsl.saturation, tsl.lightness);
    m_ringMarker = m_geometry.ringMarkerCentre(tsl.hue);
    toggleMarker(m_squareMarker);
    toggleMarker(m_ringMarker);
    m_markersShown = true;
}

void WheelPicture::removeMarkers()
{
    if (!m_markersShown)
        return;
    toggleMarker(m_squareMarker);
    toggleMarker(m_ringMarker);
    m_markersShown = false;
}

// A white pen in exclusive-or mode inverts the colour bits and leaves the rest alone.
void WheelPicture::toggleMarker(PixelPoint centre)
{
    const int scale = pictureScale(m_picture);
    invertPixels(
        m_picture, {centre.x * scale, centre.y * scale}, WheelGeometry::markerOutline(scale));
}

} // namespace tintabel
