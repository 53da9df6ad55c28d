#include "picker/WheelPicture.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

// At two device pixels per pixel the first device pixel of each pixel shows what the pixel shows
// at one; the others show finer steps of the ring and the square.
TEST(WheelPicture, AtTwoDevicePixelsPerPixelEachPixelKeepsItsColourInFinerDetail)
{
    const WheelGeometry geometry(350);
    QImage one(350, 216, QImage::Format_RGB32);
    QImage two(700, 432, QImage::Format_RGB32);
    two.setDevicePixelRatio(2);
    for (QImage* picture : {&one, &two}) {
        WheelPicture wheel(*picture, geometry);
        wheel.paintWheel(qRgb(236, 233, 216), 0.6);
        wheel.drawMarkers({0.6, 0.5, 0.4});
    }
    const int x0 = geometry.wheelOffset();
    // The background, the ring at the top and at the left, the square's corners and middle.
    for (const auto& [x, y] : {std::pair {2, 2}, {x0 + 97, 8}, {x0 + 9, 100}, {x0 + 44, 44},
             {x0 + 150, 150}, {x0 + 120, 70}})
        EXPECT_EQ(two.pixel(2 * x, 2 * y), one.pixel(x, y)) << x << ", " << y;
    EXPECT_NE(two.pixel(2 * (x0 + 120) + 1, 2 * 70 + 1), two.pixel(2 * (x0 + 120), 2 * 70));
}

} // namespace
} // namespace tintabel
