#include "picker/WheelGeometry.h"

#include "picker/Couleur.h"

#include <algorithm>
#include <cmath>
#include <map>
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
    return containsPoint(x + 0.5, y + 0.5);
}

bool EllipseBox::containsPoint(double x, double y) const
{
    const double radiusX = (right - left) / 2.0;
    const double radiusY = (bottom - top) / 2.0;
    if (radiusX <= 0 || radiusY <= 0)
        return false;
    const double dx = (x - (left + radiusX)) / radiusX;
    const double dy = (y - (top + radiusY)) / radiusY;
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
    return inPaintedRing(boxX, boxY, 1);
}

int WheelGeometry::ringTableIndex(int boxX, int boxY)
{
    return ringTableIndex(boxX, boxY, 1);
}

bool WheelGeometry::inPaintedRing(int deviceX, int deviceY, int scale)
{
    const double x = (deviceX + 0.5) / scale;
    const double y = (deviceY + 0.5) / scale;
    return kRingOuter.containsPoint(x, y) && !kRingInnerPainted.containsPoint(x, y);
}

int WheelGeometry::ringTableIndex(int deviceX, int deviceY, int scale)
{
    return kRingHues - 1
        - roundedAngle(angleAround(
            double(deviceX) / scale, double(deviceY) / scale, kPaintCentre, kPaintCentre));
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

std::span<const PixelPoint> WheelGeometry::markerOutline(int scale)
{
    if (scale <= 1)
        return markerOutline();
    static std::map<int, std::vector<PixelPoint>> outlines;
    std::vector<PixelPoint>& outline = outlines[scale];
    if (outline.empty()) {
        // The device pixels whose centres lie within half a pixel of the circle through the
        // centre pixel's middle.
        const double radius = kMarkerRadius * scale;
        const double middle = scale / 2.0;
        const int reach = (kMarkerRadius + 1) * scale;
        for (int y = -reach; y <= reach; ++y)
            for (int x = -reach; x <= reach; ++x) {
                const double distance = std::hypot(x + 0.5 - middle, y + 0.5 - middle);
                if (std::abs(distance - radius) < middle)
                    outline.push_back({x, y});
            }
    }
    return outline;
}

} // namespace tintabel
