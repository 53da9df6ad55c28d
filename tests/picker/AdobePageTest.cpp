#include "PickerFixture.h"
#include "picker/UAdobeFrame.h"

namespace tintabel::testing {
namespace {

constexpr int kRedRow = 68;
constexpr int kHueRow = 163;
constexpr int kRedBarBottom = 72;

// The first Adobe-style page, reached through its page button as the designed dialog does.
class AdobePage : public PickerFixture {
protected:
    AdobePage() { showPage(form().TBAdobe, adobe(), adobe().ImageFond); }

    TFrameAdobe& adobe() { return *form().FrameAdobe1; }
    // The texts of the grey, red and hue, saturation and value fields.
    QString fields()
    {
        TFrameAdobe& p = adobe();
        return texts(
            {p.SpGAdobe, p.SpRAdobe, p.SpVAdobe, p.SpBAdobe, p.SpTAdobe, p.SpSAdobe, p.SpLAdobe});
    }
};

TEST_F(AdobePage, ShowsTheFormsColourAndADragFromABarIsHeldAtItsEnds)
{
    EXPECT_EQ(fields(), "0 18 52 86 209 79 34");
    EXPECT_EQ(picture().pixel(1, 333), qRgb(18, 52, 86));
    EXPECT_EQ(picture().pixel(347, 360), qRgb(18, 52, 86));
    const QImage before = picture();
    press(20, kRedRow); // beside the bar
    moveTo(200, kRedRow);
    release(200, kRedRow);
    EXPECT_EQ(picture(), before);

    press(100, kRedRow);
    EXPECT_EQ(rvb(), (RvbBytes {65, 52, 86}));
    moveTo(500, 300); // the drag stays on its bar
    EXPECT_EQ(fields(), "0 255 52 86 349 80 100");
    release(500, kRedRow);
    moveTo(100, kRedRow); // no bar is active any more
    EXPECT_EQ(rvb(), (RvbBytes {255, 52, 86}));
}

TEST_F(AdobePage, HueBarPickAndPicture)
{
    dialog.SetColor(0x0000FF);
    click(35 + 255, kHueRow);
    EXPECT_EQ(rvb(), (RvbBytes {255, 0, 4}));
    EXPECT_EQ(adobe().SpTAdobe->fieldText(), "359");
    const QImage shown = picture();
    for (int y = 160; y < 167; ++y) {
        EXPECT_EQ(shown.pixel(35, y), qRgb(255, 0, 0));
        EXPECT_EQ(shown.pixel(35 + 255, y), qRgb(255, 0, 4));
    }
    // The saturation bar shows the page's hue and value from grey to full colour.
    EXPECT_EQ(shown.pixel(35, 188), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(35 + 255, 188), qRgb(255, 0, 4));
}

TEST_F(AdobePage, GreyFieldGivesTheGreyAndKeepsItWhileTheColourMovesOff)
{
    typeInto(*adobe().SpGAdobe, "128");
    EXPECT_EQ(fields(), "128 128 128 128 209 0 50"); // a grey keeps the hue it had
    typeInto(*adobe().SpRAdobe, "200");
    EXPECT_EQ(fields(), "128 200 128 128 0 36 78");
}

TEST_F(AdobePage, MarkersMoveWithTheColourAndLeaveNoTrace)
{
    const QImage first = picture();
    const QRgb face = buttonFace();
    // A triangle below the red bar, tip on the red byte.
    EXPECT_EQ(first.pixel(35 + 18, kRedBarBottom), face);
    EXPECT_EQ(first.pixel(35 + 18, kRedBarBottom + 1), qRgb(0, 0, 0));
    EXPECT_EQ(first.pixel(35 + 18 - 5, kRedBarBottom + 6), qRgb(0, 0, 0));
    EXPECT_EQ(first.pixel(35 + 18 + 5, kRedBarBottom + 6), qRgb(0, 0, 0));
    EXPECT_EQ(first.pixel(35 + 18, kRedBarBottom + 6), face);

    click(200, kRedRow);
    EXPECT_EQ(picture().pixel(35 + 18, kRedBarBottom + 1), face);
    EXPECT_EQ(picture().pixel(35 + 165, kRedBarBottom + 1), qRgb(0, 0, 0));
    click(200, kHueRow);
    EXPECT_EQ(picture().pixel(35 + rvb().red, kRedBarBottom + 1), qRgb(0, 0, 0));
    EXPECT_NE(rvb().red, 165);

    dialog.SetColor(0x563412);
    EXPECT_EQ(picture(), first);
}

} // namespace
} // namespace tintabel::testing
