#include "PickerFixture.h"
#include "picker/UAdobeFrame.h"

#include <QToolButton>

namespace tintabel::testing {
namespace {

constexpr int kRedRow = 68;
constexpr int kHueRow = 163;

// The first Adobe-style page, reached through its page button as the designed dialog does.
class AdobePage : public PickerFixture {
protected:
    AdobePage()
    {
        form().TBAdobe->show();
        QTest::mouseClick(form().TBAdobe, Qt::LeftButton);
    }

    TFrameAdobe& adobe() { return *form().FrameAdobe1; }
    RvbBytes adobeRvb() { return adobe().pageColour().RVB(); }
    QImage picture() { return adobe().ImageFond->picture().copy(); }
    QRgb buttonFace() { return adobe().palette().color(QPalette::Button).rgb(); }

    void press(int x, int y)
    {
        QTest::mousePress(adobe().ImageFond, Qt::LeftButton, {}, QPoint(x, y));
    }
    void moveTo(int x, int y) { QTest::mouseMove(adobe().ImageFond, QPoint(x, y)); }
    void release(int x, int y)
    {
        QTest::mouseRelease(adobe().ImageFond, Qt::LeftButton, {}, QPoint(x, y));
    }
};

TEST_F(AdobePage, IsShownWithTheFormsColour)
{
    dialog.SetColor(0x563412);
    EXPECT_TRUE(adobe().isVisible());
    EXPECT_FALSE(page().isVisible());
    EXPECT_EQ(adobe().geometry(), QRect(0, 24, 350, 363));
    EXPECT_EQ(adobeRvb(), (RvbBytes {18, 52, 86}));
    EXPECT_EQ(adobe().SpRAdobe->fieldText(), "18");
    EXPECT_EQ(adobe().SpTAdobe->fieldText(), "209");
    EXPECT_EQ(adobe().SpSAdobe->fieldText(), "79");
    EXPECT_EQ(adobe().SpLAdobe->fieldText(), "34");
    EXPECT_EQ(adobe().SpGAdobe->fieldText(), "0");
    EXPECT_EQ(adobe().SpRAdobe->geometry(), QRect(296, 57, 49, 22));
    EXPECT_EQ(adobe().SpLAdobe->geometry(), QRect(296, 201, 49, 22));
    EXPECT_EQ(picture().pixel(1, 333), qRgb(18, 52, 86));
    EXPECT_EQ(picture().pixel(347, 360), qRgb(18, 52, 86));
}

TEST_F(AdobePage, PressBesideTheRedBarChangesNothing)
{
    dialog.SetColor(0x563412);
    const QImage before = picture();
    press(20, kRedRow);
    moveTo(200, kRedRow);
    release(200, kRedRow);
    EXPECT_EQ(adobeRvb(), (RvbBytes {18, 52, 86}));
    EXPECT_EQ(picture(), before);
}

TEST_F(AdobePage, DragFromTheRedBarIsHeldAtItsEnds)
{
    dialog.SetColor(0x563412);
    press(100, kRedRow);
    EXPECT_EQ(adobe().activeBar(), AdobeBar::Red);
    EXPECT_EQ(adobeRvb(), (RvbBytes {65, 52, 86}));
    moveTo(-40, 300);
    EXPECT_EQ(adobeRvb(), (RvbBytes {0, 52, 86}));
    EXPECT_EQ(adobe().SpRAdobe->fieldText(), "0");
    moveTo(500, kRedRow);
    EXPECT_EQ(adobeRvb(), (RvbBytes {255, 52, 86}));
    EXPECT_EQ(adobe().SpRAdobe->fieldText(), "255");
    EXPECT_EQ(adobe().SpTAdobe->fieldText(), "349");
    release(500, kRedRow);
    EXPECT_EQ(adobe().activeBar(), AdobeBar::None);
    moveTo(100, kRedRow); // no bar is active any more
    EXPECT_EQ(adobeRvb(), (RvbBytes {255, 52, 86}));
}

TEST_F(AdobePage, HueBarPickAndPicture)
{
    dialog.SetColor(0x0000FF);
    press(35 + 255, kHueRow);
    release(35 + 255, kHueRow);
    EXPECT_EQ(adobe().pageColour().TSV().hue, 359);
    EXPECT_EQ(adobeRvb(), (RvbBytes {255, 0, 4}));
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

TEST_F(AdobePage, TypedValuesAboveTheLimitArePutBack)
{
    dialog.SetColor(0x563412);
    typeInto(*adobe().SpRAdobe, "300");
    EXPECT_EQ(adobe().SpRAdobe->fieldText(), "255");
    EXPECT_EQ(adobeRvb(), (RvbBytes {255, 52, 86}));
    typeInto(*adobe().SpTAdobe, "400");
    EXPECT_EQ(adobe().SpTAdobe->fieldText(), "359");
    typeInto(*adobe().SpSAdobe, "101");
    EXPECT_EQ(adobe().SpSAdobe->fieldText(), "100");
    EXPECT_EQ(adobe().pageColour().TSV().hue, 359);
    EXPECT_EQ(adobe().SpRAdobe->fieldText(), QString::number(adobeRvb().red));
}

TEST_F(AdobePage, GreyFieldGivesTheGreyAndItsValue)
{
    dialog.SetColor(0x563412);
    typeInto(*adobe().SpGAdobe, "128");
    EXPECT_EQ(adobeRvb(), (RvbBytes {128, 128, 128}));
    for (SpinField* field : {adobe().SpRAdobe, adobe().SpVAdobe, adobe().SpBAdobe})
        EXPECT_EQ(field->fieldText(), "128");
    EXPECT_EQ(adobe().SpLAdobe->fieldText(), "50");
    EXPECT_EQ(adobe().SpSAdobe->fieldText(), "0");
    // A grey keeps the hue it had.
    EXPECT_EQ(adobe().SpTAdobe->fieldText(), "209");

    // The grey field keeps the grey while the colour moves off it.
    typeInto(*adobe().SpRAdobe, "200");
    EXPECT_EQ(adobeRvb(), (RvbBytes {200, 128, 128}));
    EXPECT_EQ(adobe().SpGAdobe->fieldText(), "128");
    EXPECT_EQ(adobe().rememberedGrey(), 128);
}

TEST_F(AdobePage, EmptyFieldChangesNothing)
{
    dialog.SetColor(0x563412);
    adobe().SpRAdobe->clear();
    EXPECT_EQ(adobeRvb(), (RvbBytes {18, 52, 86}));
}

TEST_F(AdobePage, MarkersMoveWithTheColourAndLeaveNoTrace)
{
    dialog.SetColor(0x563412);
    const QImage first = picture();
    const int redBarBottom = 72;
    // A triangle below the red bar, tip on the red byte.
    EXPECT_EQ(first.pixel(35 + 18, redBarBottom), buttonFace());
    EXPECT_EQ(first.pixel(35 + 18, redBarBottom + 1), qRgb(0, 0, 0));
    EXPECT_EQ(first.pixel(35 + 18 - 5, redBarBottom + 6), qRgb(0, 0, 0));
    EXPECT_EQ(first.pixel(35 + 18 + 5, redBarBottom + 6), qRgb(0, 0, 0));
    EXPECT_EQ(first.pixel(35 + 18, redBarBottom + 6), buttonFace());

    press(200, kRedRow);
    release(200, kRedRow);
    EXPECT_EQ(picture().pixel(35 + 18, redBarBottom + 1), buttonFace());
    EXPECT_EQ(picture().pixel(35 + 165, redBarBottom + 1), qRgb(0, 0, 0));
    press(200, kHueRow);
    release(200, kHueRow);
    EXPECT_EQ(picture().pixel(35 + adobeRvb().red, redBarBottom + 1), qRgb(0, 0, 0));
    EXPECT_NE(adobeRvb().red, 165);

    dialog.SetColor(0x563412);
    EXPECT_EQ(picture(), first);
}

} // namespace
} // namespace tintabel::testing
