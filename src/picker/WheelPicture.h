#pragma once

#include "picker/Couleur.h"
#include "picker/WheelGeometry.h"

#include <QImage>

#include <array>

namespace tintabel {

// Paints the colour wheel into a 32-bit picture: the hue ring, the saturation/lightness square of
// one hue and the two exclusive-or markers. It remembers where the markers stand, so removing them
// restores exactly the pixels under them whatever the colour has become since.
class WheelPicture {
public:
    WheelPicture(QImage& picture, const WheelGeometry& geometry);

    // Background, ring and square; the markers are drawn by the caller afterwards.
    void paintWheel(QRgb background, double hue);
    void paintSquare(double hue);

    void drawMarkers(const TslFractions& tsl);
    void removeMarkers();
    bool markersShown() const { return m_markersShown; }

    // Entry i: the colour of hue i / 359 at full saturation and lightness 0.47.
    static const std::array<QRgb, WheelGeometry::kRingHues>& ringColours();

private:
    void toggleMarker(PixelPoint centre);

    QImage& m_picture;
    const WheelGeometry& m_geometry;
    bool m_markersShown = false;
    PixelPoint m_squareMarker;
    PixelPoint m_ringMarker;
};

} // namespace tintabel
