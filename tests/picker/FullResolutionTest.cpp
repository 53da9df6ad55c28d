#include "picker/PictureBox.h"
#include "picker/WheelPicture.h"
#include "platform/doubles/ScriptedMessageBoxes.h"

#include <QCoreApplication>
#include <QMouseEvent>

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

// A mouse position between device pixels picks the pixel it falls in.
TEST(PictureBox, APositionBetweenPixelsIsThePixelItIsIn)
{
    ScriptedMessageBoxes messages;
    PictureBox box(messages, QSize(50, 50), QImage::Format_RGB32, nullptr);
    PictureBox::Mouse got;
    box.onMouseDown([&got](const PictureBox::Mouse& mouse) { got = mouse; });
    QMouseEvent press(QEvent::MouseButtonPress, {10.5, 20.75}, {10.5, 20.75}, Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &press);
    EXPECT_EQ(std::pair(got.x, got.y), std::pair(10, 20));
}

} // namespace
} // namespace tintabel
