#include "picker/WheelPicture.h"

#include "picker/PictureDrawing.h"

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
    const int offset = m_geometry.wheelOffset();
    for (int y = 0; y <= WheelGeometry::kBoxSize && y < m_picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_picture.scanLine(y));
        for (int x = 0; x <= WheelGeometry::kBoxSize; ++x) {
            const int pictureX = offset + x;
            if (pictureX < 0 || pictureX >= m_picture.width()
                || !WheelGeometry::inPaintedRing(x, y))
                continue;
            line[pictureX] = colours[WheelGeometry::ringTableIndex(x, y)];
        }
    }
    paintSquare(hue);
}

void WheelPicture::paintSquare(double hue)
{
    const int first = WheelGeometry::kSquareFirst;
    const int last = WheelGeometry::kSquareLast;
    const double scale = WheelGeometry::kSquareScale;
    const int offset = m_geometry.wheelOffset();
    for (int y = first; y <= last; ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_picture.scanLine(y));
        const double lightness = (y - first) / scale;
        for (int x = first; x <= last; ++x)
            line[offset + x] = rgbOf(tslToRgb({hue, (x - first) / scale, lightness}));
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
    for (const PixelPoint offset : WheelGeometry::markerOutline()) {
        const int x = centre.x + offset.x;
        const int y = centre.y + offset.y;
        if (x < 0 || y < 0 || x >= m_picture.width() || y >= m_picture.height())
            continue;
        auto* line = reinterpret_cast<QRgb*>(m_picture.scanLine(y));
        line[x] ^= 0x00FFFFFFu;
    }
}

} // namespace tintabel
