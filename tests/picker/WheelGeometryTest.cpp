#include "picker/WheelGeometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace tintabel {
namespace {

constexpr int xo = 77;
const WheelGeometry wheel(350);

TEST(WheelAngle, RunsClockwiseFromStraightUp)
{
    EXPECT_DOUBLE_EQ(angleAround(10, 0, 10, 10), 0);
    EXPECT_DOUBLE_EQ(angleAround(20, 10, 10, 10), 90);
    EXPECT_DOUBLE_EQ(angleAround(10, 20, 10, 10), 180);
    EXPECT_DOUBLE_EQ(angleAround(0, 10, 10, 10), 270);
    EXPECT_DOUBLE_EQ(angleAround(20, 0, 10, 10), 45);
    EXPECT_NEAR(angleAround(9.999, 0, 10, 10), 360, 0.01);
    EXPECT_LT(angleAround(9.999, 0, 10, 10), 360);
}

TEST(WheelAngle, PointOnTheCentreCountsAsRight)
{
    EXPECT_DOUBLE_EQ(angleAround(10, 10, 10, 10), 90);
    EXPECT_DOUBLE_EQ(angleAround(10, 10.000000001, 10, 10), 90);
    EXPECT_DOUBLE_EQ(angleAround(10, 10.0000001, 10, 10), 180);
}

TEST(WheelGeometry, OffsetCentresTheBoxInThePicture)
{
    EXPECT_EQ(wheel.wheelOffset(), 77);
    EXPECT_EQ(WheelGeometry(196).wheelOffset(), 0);
}

TEST(WheelGeometry, SquareHitExcludesItsLastRowAndColumn)
{
    EXPECT_TRUE(wheel.inSquareHit(xo + 44, 44));
    EXPECT_TRUE(wheel.inSquareHit(xo + 149, 149));
    EXPECT_FALSE(wheel.inSquareHit(xo + 150, 100));
    EXPECT_FALSE(wheel.inSquareHit(xo + 100, 150));
    EXPECT_FALSE(wheel.inSquareHit(xo + 43, 100));
    EXPECT_FALSE(wheel.inSquareHit(xo + 100, 43));
}

TEST(WheelGeometry, RingHitIsWiderInsideThanThePaintedRing)
{
    // Just inside the painted hole on the right: not painted, but a pick.
    EXPECT_FALSE(WheelGeometry::inPaintedRing(174, 97));
    EXPECT_TRUE(wheel.inRingHit(xo + 174, 97));
    // On the left the two holes end at the same place.
    EXPECT_TRUE(WheelGeometry::inPaintedRing(19, 97));
    EXPECT_TRUE(wheel.inRingHit(xo + 19, 97));
    EXPECT_FALSE(wheel.inRingHit(xo + 21, 97));

    EXPECT_TRUE(wheel.inRingHit(xo + 97, 0));
    EXPECT_TRUE(wheel.inRingHit(xo + 194, 97));
    EXPECT_FALSE(wheel.inRingHit(xo + 195, 97));
    EXPECT_FALSE(wheel.inRingHit(xo + 97, 97));
    EXPECT_FALSE(wheel.inRingHit(xo + 5, 5)); // a corner of the box
    EXPECT_FALSE(wheel.inRingHit(97, 0)); // the box sits at the offset
}

TEST(WheelGeometry, PaintedRingRunsCounterClockwiseFromRed)
{
    EXPECT_EQ(WheelGeometry::ringTableIndex(98, 5), 359); // top: hue 1, red
    EXPECT_EQ(WheelGeometry::ringTableIndex(97, 5), 0); // 359.4 degrees: hue 0, red as well
    EXPECT_EQ(WheelGeometry::ringTableIndex(5, 98), 89); // left: yellow-green
    EXPECT_EQ(WheelGeometry::ringTableIndex(98, 190), 179); // bottom: cyan
    EXPECT_EQ(WheelGeometry::ringTableIndex(190, 98), 269); // right: blue-magenta
}

TEST(WheelGeometry, RingPickGivesTheHueByteOfTheAngle)
{
    EXPECT_EQ(wheel.ringPickHue(xo + 97, 0), 255);
    EXPECT_EQ(wheel.ringPickHue(xo + 10, 97), 63);
    EXPECT_EQ(wheel.ringPickHue(xo + 97, 190), 127);
    EXPECT_EQ(wheel.ringPickHue(xo + 190, 97), 191);
    // Just left of straight up: 359 degrees, hue 0.
    EXPECT_EQ(wheel.ringPickHue(xo + 96, 0), 0);
    // Closer still to straight up, 359.7 degrees rounds to 360 and wraps to 0.
    EXPECT_EQ(wheel.ringPickHue(xo + 96, -103), 255);
    // Far outside the ring: a drag keeps picking.
    EXPECT_EQ(wheel.ringPickHue(-500, 97), 63);
    // On the picking centre.
    EXPECT_EQ(wheel.ringPickHue(xo + 97, 97), 191);
}

TEST(WheelGeometry, SquarePickClampsToTheSquare)
{
    const auto pick = [](int x, int y) {
        const auto picked = wheel.squarePick(x, y);
        return std::pair<int, int>(picked.saturation, picked.lightness);
    };
    EXPECT_EQ(pick(xo + 44, 44), std::make_pair(0, 0));
    EXPECT_EQ(pick(xo + 150, 150), std::make_pair(255, 255));
    EXPECT_EQ(pick(xo + 97, 97), std::make_pair(128, 128));
    EXPECT_EQ(pick(xo + 45, 149), std::make_pair(2, 253));
    EXPECT_EQ(pick(-1000, 1000), std::make_pair(0, 255));
    EXPECT_EQ(pick(1000, -1000), std::make_pair(255, 0));
}

TEST(WheelGeometry, MarkerCentres)
{
    EXPECT_EQ(wheel.squareMarkerCentre(0, 0), (PixelPoint {xo + 44, 44}));
    EXPECT_EQ(wheel.squareMarkerCentre(1, 0.5), (PixelPoint {xo + 150, 97}));
    // 106 x 0.75 = 79.5 after the offset: 200.5 rounds to the even 200.
    EXPECT_EQ(wheel.squareMarkerCentre(0.75, 0), (PixelPoint {200, 44}));
    EXPECT_EQ(wheel.ringMarkerCentre(0), (PixelPoint {xo + 97, 10}));
    EXPECT_EQ(wheel.ringMarkerCentre(0.25), (PixelPoint {xo + 10, 97}));
    EXPECT_EQ(wheel.ringMarkerCentre(0.5), (PixelPoint {xo + 97, 184}));
    EXPECT_EQ(wheel.ringMarkerCentre(0.75), (PixelPoint {xo + 184, 97}));
    EXPECT_EQ(wheel.ringMarkerCentre(1.0 / 3), (PixelPoint {xo + 22, 140}));
}

TEST(WheelGeometry, MarkerOutlineIsAThinCircleOfRadiusFive)
{
    const auto outline = WheelGeometry::markerOutline();
    std::set<std::pair<int, int>> distinct;
    for (const PixelPoint p : outline) {
        distinct.insert({p.x, p.y});
        EXPECT_NEAR(std::hypot(p.x, p.y), 5, 0.6) << p.x << "," << p.y;
    }
    EXPECT_EQ(distinct.size(), outline.size());
    for (const auto& [x, y] : distinct) {
        EXPECT_TRUE(distinct.count({-x, y}) && distinct.count({x, -y}) && distinct.count({y, x}))
            << x << "," << y;
    }
    for (const auto& extreme : {std::pair(5, 0), std::pair(0, 5), std::pair(-5, 0)})
        EXPECT_TRUE(distinct.count(extreme));
}

} // namespace
} // namespace tintabel
