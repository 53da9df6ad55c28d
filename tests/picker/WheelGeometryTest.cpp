#include "picker/WheelGeometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace tintabel {
namespace {

constexpr int xo = 77;
const WheelGeometry wheel(350);

struct Case {
    int x, y, expected;
};

TEST(WheelGeometry, AnglesRunClockwiseFromStraightUpAndHitsEndAtTheirEdges)
{
    EXPECT_DOUBLE_EQ(angleAround(20, 0, 10, 10), 45);
    EXPECT_NEAR(angleAround(9.999, 0, 10, 10), 360, 0.01);
    EXPECT_LT(angleAround(9.999, 0, 10, 10), 360);
    EXPECT_DOUBLE_EQ(angleAround(10, 10.000000001, 10, 10), 90);
    EXPECT_DOUBLE_EQ(angleAround(10, 10.0000001, 10, 10), 180);

    EXPECT_EQ(wheel.wheelOffset(), xo);
    EXPECT_EQ(WheelGeometry(196).wheelOffset(), 0);
    // The square's hit leaves out its last row and column.
    const Case square[] = {{xo + 44, 44, true}, {xo + 149, 149, true}, {xo + 150, 100, false},
        {xo + 100, 150, false}, {xo + 43, 100, false}, {xo + 100, 43, false}};
    for (const auto& [x, y, in] : square)
        EXPECT_EQ(wheel.inSquareHit(x, y), in) << x << "," << y;
    // The ring's hit reaches further inside than the painted ring on the right, not on the left.
    EXPECT_FALSE(WheelGeometry::inPaintedRing(174, 97));
    EXPECT_TRUE(WheelGeometry::inPaintedRing(19, 97));
    const Case ring[] = {{xo + 174, 97, true}, {xo + 19, 97, true}, {xo + 21, 97, false},
        {xo + 97, 0, true}, {xo + 194, 97, true}, {xo + 195, 97, false}, {xo + 97, 97, false},
        {xo + 5, 5, false}, {97, 0, false}};
    for (const auto& [x, y, in] : ring)
        EXPECT_EQ(wheel.inRingHit(x, y), in) << x << "," << y;
}

TEST(WheelGeometry, RingHuesRunOppositeWaysInPictureAndPicksAndSquarePicksClamp)
{
    // Painted: counter-clockwise from red; 359.4 degrees at the top is hue 0, red as well.
    const Case painted[] = {{98, 5, 359}, {97, 5, 0}, {5, 98, 89}, {98, 190, 179}, {190, 98, 269}};
    for (const auto& [x, y, index] : painted)
        EXPECT_EQ(WheelGeometry::ringTableIndex(x, y), index) << x << "," << y;
    // Picked: any point counts, far outside the ring or on its centre; 359.7 degrees wraps to 0.
    const Case picked[]
        = {{xo + 97, 0, 255}, {xo + 10, 97, 63}, {xo + 97, 190, 127}, {xo + 190, 97, 191},
            {xo + 96, 0, 0}, {xo + 96, -103, 255}, {-500, 97, 63}, {xo + 97, 97, 191}};
    for (const auto& [x, y, hue] : picked)
        EXPECT_EQ(wheel.ringPickHue(x, y), hue) << x << "," << y;

    const std::pair<PixelPoint, PixelPoint> cases[]
        = {{{xo + 44, 44}, {0, 0}}, {{xo + 150, 150}, {255, 255}}, {{xo + 97, 97}, {128, 128}},
            {{xo + 45, 149}, {2, 253}}, {{-1000, 1000}, {0, 255}}, {{1000, -1000}, {255, 0}}};
    for (const auto& [point, bytes] : cases) {
        const auto picked = wheel.squarePick(point.x, point.y);
        EXPECT_EQ((PixelPoint {picked.saturation, picked.lightness}), bytes) << point.x;
    }
}

TEST(WheelGeometry, MarkerCentresAndTheirThinSymmetricOutlineOfRadiusFive)
{
    EXPECT_EQ(wheel.squareMarkerCentre(0, 0), (PixelPoint {xo + 44, 44}));
    EXPECT_EQ(wheel.squareMarkerCentre(1, 0.5), (PixelPoint {xo + 150, 97}));
    // 106 x 0.75 = 79.5 after the offset: 200.5 rounds to the even 200.
    EXPECT_EQ(wheel.squareMarkerCentre(0.75, 0), (PixelPoint {200, 44}));
    const std::pair<double, PixelPoint> ring[] = {{0, {xo + 97, 10}}, {0.25, {xo + 10, 97}},
        {0.5, {xo + 97, 184}}, {0.75, {xo + 184, 97}}, {1.0 / 3, {xo + 22, 140}}};
    for (const auto& [hue, centre] : ring)
        EXPECT_EQ(wheel.ringMarkerCentre(hue), centre) << hue;

    const auto outline = WheelGeometry::markerOutline();
    std::set<std::pair<int, int>> distinct;
    for (const PixelPoint p : outline) {
        distinct.insert({p.x, p.y});
        EXPECT_NEAR(std::hypot(p.x, p.y), 5, 0.6) << p.x << "," << p.y;
    }
    EXPECT_EQ(distinct.size(), outline.size());
    for (const auto& [x, y] : distinct)
        EXPECT_TRUE(distinct.count({-x, y}) && distinct.count({x, -y}) && distinct.count({y, x}));
    EXPECT_TRUE(distinct.count({5, 0}));
}

} // namespace
} // namespace tintabel
