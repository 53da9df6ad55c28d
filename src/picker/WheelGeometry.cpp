#include "picker/WheelGeometry.h"

#include "picker/Couleur.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace tintabel {

namespace {

constexpr int kMarkerRadius = 5;

// Midpoint circle: a thin 8-connected outline, the octants' shared pixels listed once.
std::vector<PixelPoint> circleOutline(int radius)
{
    std::vector<PixelPoint> points;
    int x = radius;
    int y = 0;
    int error = 1 - radius;
    while (x >= y) {
        for (const PixelPoint p :
            {PixelPoint {x, y}, PixelPoint {y, x}, PixelPoint {-y, x}, PixelPoint {-x, y},
                PixelPoint {-x, -y}, PixelPoint {-y, -x}, PixelPoint {y, -x}, PixelPoint {x, -y}})
            points.push_back(p);
        ++y;
        if (error < 0) {
            error += 2 * y + 1;
        } else {
            --x;
            error += 2 * (y - x) + 1;
        }
    }
    std::sort(points.begin(), points.end(),
        [](PixelPoint a, PixelPoint b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    points.erase(std::unique(points.begin(), points.end()), points.end());
    return points;
}

// Degrees from nearest(angle) folded into 0 to 359.
int roundedAngle(double angle)
{
    const int a = nearest(angle);
    return a == 360 ? 0 : a;
}

} // namespace

bool EllipseBox::contains(int x, int y) const
{
    const double radiusX = (right - left) / 2.0;
    const double radiusY = (bottom - top) / 2.0;
    if (radiusX <= 0 || radiusY <= 0)
        return false;
    const double dx = (x + 0.5 - (left + radiusX)) / radiusX;
    const double dy = (y + 0.5 - (top + radiusY)) / radiusY;
    return dx * dx + dy * dy <= 1;
}

double angleAround(double x, double y, double centreX, double centreY)
{
    const double dx = x - centreX;
    const double dy = y - centreY;
    if (std::hypot(dx, dy) < 0.00000001)
        return 90;
    double degrees = std::atan2(dx, -dy) * 180 / std::numbers::pi;
    if (degrees < 0)
        degrees += 360;
    return degrees >= 360 ? 0 : degrees;
}

bool WheelGeometry::inPaintedRing(int boxX, int boxY)
{
    return kRingOuter.contains(boxX, boxY) && !kRingInnerPainted.contains(boxX, boxY);
}

int WheelGeometry::ringTableIndex(int boxX, int boxY)
{
    return kRingHues - 1 - roundedAngle(angleAround(boxX, boxY, kPaintCentre, kPaintCentre));
}

bool WheelGeometry::inSquareHit(int x, int y) const
{
    return x >= m_offset + kSquareFirst && x < m_offset + kSquareLast && y >= kSquareFirst
        && y < kSquareLast;
}

bool WheelGeometry::inRingHit(int x, int y) const
{
    const int boxX = x - m_offset;
    return kRingOuter.contains(boxX, y) && !kRingInnerHit.contains(boxX, y);
}

std::uint8_t WheelGeometry::ringPickHue(int x, int y) const
{
    const int a = roundedAngle(angleAround(x, y, m_offset + kPickCentre, kPickCentre));
    return static_cast<std::uint8_t>(nearest((kRingHues - 1 - a) / 359.0 * 255));
}

WheelGeometry::SquarePick WheelGeometry::squarePick(int x, int y) const
{
    const int boxX = std::clamp(x, m_offset + kSquareFirst, m_offset + kSquareLast) - m_offset;
    const int boxY = std::clamp(y, kSquareFirst, kSquareLast);
    return {static_cast<std::uint8_t>(
                nearest(static_cast<double>(boxX - kSquareFirst) / kSquareScale * 255)),
        static_cast<std::uint8_t>(
            nearest(static_cast<double>(boxY - kSquareFirst) / kSquareScale * 255))};
}

PixelPoint WheelGeometry::squareMarkerCentre(double saturation, double lightness) const
{
    return {nearest(kSquareScale * saturation + m_offset + kSquareFirst),
        nearest(kSquareScale * lightness + kSquareFirst)};
}

PixelPoint WheelGeometry::ringMarkerCentre(double hue) const
{
    const double radians = nearest(hue * 360) * std::numbers::pi / 180;
    return {nearest(m_offset + kPickCentre - kRingMarkerRadius * std::sin(radians)),
        nearest(kPickCentre - kRingMarkerRadius * std::cos(radians))};
}

std::span<const PixelPoint> WheelGeometry::markerOutline()
{
    static const std::vector<PixelPoint> outline = circleOutline(kMarkerRadius);
    return outline;
}

} // namespace tintabel
