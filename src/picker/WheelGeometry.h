#pragma once

#include <cstdint>
#include <span>

namespace tintabel {

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// An ellipse given by its bounding rectangle, right and bottom excluded. A pixel is inside when
// its centre is.
struct EllipseBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool contains(int x, int y) const;
    // Whether the point (a pixel's centre, in pixels of this size or finer) is inside.
    bool containsPoint(double x, double y) const;
};

// The clockwise angle in degrees, 0 up to but not including 360, from straight up to the
// direction centre -> point, with y growing downwards. A point on the centre counts as 90.
double angleAround(double x, double y, double centreX, double centreY);

// The hue ring and the saturation/lightness square of the colour wheel. The ring is painted and
// hit-tested with slightly different ellipses and centres; both are kept as they are so that a
// pick lands on the hue the user sees and the bytes stay those the number fields have always
// shown. Box coordinates run from 0 to 195; the box sits wheelOffset pixels from the left of the
// wheel picture. Methods taking (x, y) take picture coordinates unless they say otherwise.
class WheelGeometry {
public:
    static constexpr int kBoxSize = 195;
    static constexpr EllipseBox kRingOuter {0, 0, 195, 195};
    static constexpr EllipseBox kRingInnerPainted {20, 20, 175, 175};
    static constexpr EllipseBox kRingInnerHit {20, 20, 174, 174};
    static constexpr int kPaintCentre = 98;
    static constexpr int kPickCentre = 97;
    static constexpr int kSquareFirst = 44;
    static constexpr int kSquareLast = 150;
    static constexpr int kSquareScale = 106;
    static constexpr int kRingMarkerRadius = (kBoxSize - 20) / 2;
    static constexpr int kRingHues = 360;

    explicit WheelGeometry(int wheelWidth)
        : m_offset((wheelWidth - kBoxSize) / 2)
    {
    }
    int wheelOffset() const { return m_offset; }

    // Painting, in box coordinates: whether the pixel belongs to the painted ring, and which of
    // the kRingHues hue table entries it shows (entry i has hue i / 359).
    static bool inPaintedRing(int boxX, int boxY);
    static int ringTableIndex(int boxX, int boxY);
    // The same for a picture of scale device pixels per pixel, by a device pixel's position in
    // it: inside by its centre, its hue that of its top left corner, so that the first device
    // pixel of each pixel shows what the pixel shows at one device pixel per pixel.
    static bool inPaintedRing(int deviceX, int deviceY, int scale);
    static int ringTableIndex(int deviceX, int deviceY, int scale);

    bool inSquareHit(int x, int y) const;
    bool inRingHit(int x, int y) const;

    // The hue byte a ring pick at (x, y) gives; any point counts, also outside the ring.
    std::uint8_t ringPickHue(int x, int y) const;
    // Saturation and lightness bytes of a square pick, the point clamped to the square.
    struct SquarePick {
        std::uint8_t saturation = 0;
        std::uint8_t lightness = 0;
    };
    SquarePick squarePick(int x, int y) const;

    // Marker centres for TSL fractions.
    PixelPoint squareMarkerCentre(double saturation, double lightness) const;
    PixelPoint ringMarkerCentre(double hue) const;

    // The pixels of a marker circle relative to its centre, each exactly once, so that
    // exclusive-or drawing twice restores every pixel.
    static std::span<const PixelPoint> markerOutline();
    // The outline as drawn in a picture of scale device pixels per pixel, a line one pixel wide,
    // relative to the first device pixel of the centre pixel.
    static std::span<const PixelPoint> markerOutline(int scale);

private:
    int m_offset;
};

} // namespace tintabel
