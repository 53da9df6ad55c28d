#include "PickerFixture.h"

namespace tintabel::testing {
namespace {

using WheelPage = PickerFixture;

TEST_F(WheelPage, PicksAndTypedChannelsShowInEveryField)
{
    dialog.SetColor(0x00FF00);
    ASSERT_EQ(pageTsl(), (TslBytes {85, 255, 128}));
    click(xo + 97, 5); // the top of the ring at full saturation: almost pure red
    EXPECT_EQ(pageTsl(), (TslBytes {255, 255, 128}));
    EXPECT_EQ(wheelFields(), "255 1 1 255 255 128 $0101FF #FF0101");
    typeInto(*page().SPVPSP, "0");
    EXPECT_EQ(wheelFields(), "255 0 1 255 255 128 $0100FF #FF0001");

    // The hue and hex fields are hidden, saturation and lightness drive the colour when typed.
    EXPECT_FALSE(page().SPTPSP->isVisibleTo(&page()));
    EXPECT_FALSE(page().EHexaPSP->isVisibleTo(&page()));
    EXPECT_TRUE(page().SPRPSP->isVisibleTo(&page()));
    dialog.SetColor(0xFF0000);
    typeInto(*page().SPSPSP, "100");
    typeInto(*page().SPLPSP, "100");
    EXPECT_EQ(pageTsl(), (TslBytes {170, 100, 100}));
    EXPECT_EQ(rvb(), (RvbBytes {61, 61, 139}));
}

// Where a drag starts decides what it works, wherever the pointer goes; without a button held
// the pointer picks nothing.
TEST_F(WheelPage, ADragWorksTheTargetItStartedOn)
{
    dialog.SetColor(0xFF0000); // blue
    press(xo + 60, 100);
    moveTo(400, -50);
    EXPECT_EQ(pageTsl().saturation, 255);
    EXPECT_EQ(rvb(), (RvbBytes {0, 0, 0}));
    moveTo(xo + 97, 5); // over the ring
    EXPECT_EQ(pageTsl().hue, 170);
    release(xo + 100, 97);
    EXPECT_EQ(pageTsl(), (TslBytes {170, 135, 128}));
    moveTo(xo + 60, 60);
    EXPECT_EQ(pageTsl(), (TslBytes {170, 135, 128}));

    dialog.SetColor(0xFF0000);
    press(xo + 190, 97);
    EXPECT_EQ(pageTsl().hue, 191);
    moveTo(xo + 97, 97 + 60); // into the square
    EXPECT_EQ(pageTsl(), (TslBytes {127, 255, 128}));
    release(-300, 97);
    EXPECT_EQ(pageTsl(), (TslBytes {63, 255, 128}));
}

TEST_F(WheelPage, OnlyTheLeftButtonInsideRingOrSquarePicksAndMarkersLeaveNoTrace)
{
    dialog.SetColor(0x563412);
    const QImage before = picture();
    press(xo + 60, 60, Qt::RightButton);
    moveTo(xo + 120, 120);
    release(xo + 120, 120, Qt::RightButton);
    press(xo + 97, 5, Qt::RightButton);
    release(xo + 97, 5, Qt::RightButton);
    press(10, 10);
    moveTo(xo + 97, 5);
    release(xo + 97, 5);
    EXPECT_EQ(rvb(), (RvbBytes {18, 52, 86}));
    EXPECT_EQ(picture(), before);

    // Markers move with typed channels and picks and leave no trace.
    typeInto(*page().SPVPSP, "200");
    EXPECT_NE(picture(), before);
    typeInto(*page().SPVPSP, "52");
    EXPECT_EQ(picture(), before);
    click(xo + 60, 60);
    dialog.SetColor(0x563412);
    EXPECT_EQ(picture(), before);
}

TEST_F(WheelPage, WheelPictureShowsRingSquareAndMarkers)
{
    dialog.SetColor(0x0101FF); // markers at the top of the ring and the square's right edge
    const QImage shown = page().CerclePSP->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(350, 216));
    EXPECT_EQ(shown.pixel(0, 0), buttonFace());
    EXPECT_EQ(shown.pixel(xo + 98, 2), qRgb(240, 0, 0)); // ring top: hue 0, lightness 0.47
    EXPECT_EQ(shown.pixel(xo + 10, 98), qRgb(123, 240, 0)); // left: towards green
    EXPECT_EQ(shown.pixel(xo + 20, 98), buttonFace()); // the hole is painted narrower
    EXPECT_EQ(shown.pixel(xo + 98, 98), qRgb(194, 66, 66)); // square centre
    for (int x = xo + 44; x <= xo + 150; ++x) {
        ASSERT_EQ(shown.pixel(x, 44), qRgb(0, 0, 0)) << x;
        ASSERT_EQ(shown.pixel(x, 150), qRgb(255, 255, 255)) << x;
    }
    for (int y = 44; y <= 150; ++y) // grey along the left edge
        ASSERT_EQ(qRed(shown.pixel(xo + 44, y)), qBlue(shown.pixel(xo + 44, y))) << y;
    // The square marker inverts the pixels of its outline, also beside the square.
    EXPECT_EQ(shown.pixel(xo + 150 + 5, 97), ~buttonFace() | 0xFF000000u);
    EXPECT_EQ(shown.pixel(xo + 151, 97), buttonFace());
    EXPECT_EQ(shown.pixel(xo + 97, 10 - 5), ~qRgb(240, 0, 0) | 0xFF000000u);
}

} // namespace
} // namespace tintabel::testing
