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
    AdobePage()
    {
        showPage(form().TBAdobe);
        dialog.SetColor(0x563412);
    }

    TFrameAdobe& adobe() { return *form().FrameAdobe1; }
    RvbBytes adobeRvb() { return adobe().pageColour().RVB(); }
    QImage picture() { return adobe().ImageFond->picture().copy(); }
    QRgb buttonFace() { return adobe().palette().color(QPalette::Button).rgb(); }
    // The texts of the grey, red and hue, saturation and value fields.
    std::string fields()
    {
        std::string texts;
        for (SpinField* field : {adobe().SpGAdobe, adobe().SpRAdobe, adobe().SpVAdobe,
                 adobe().SpBAdobe, adobe().SpTAdobe, adobe().SpSAdobe, adobe().SpLAdobe})
            texts += field->fieldText().toStdString() + " ";
        return texts;
    }

    void press(int x, int y) { QTest::mousePress(adobe().ImageFond, Qt::LeftButton, {}, {x, y}); }
    void moveTo(int x, int y) { QTest::mouseMove(adobe().ImageFond, {x, y}); }
    void release(int x, int y)
    {
        QTest::mouseRelease(adobe().ImageFond, Qt::LeftButton, {}, {x, y});
    }
};

TEST_F(AdobePage, IsShownWithTheFormsColour)
{
    EXPECT_TRUE(adobe().isVisible());
    EXPECT_FALSE(page().isVisible());
    EXPECT_EQ(adobeRvb(), (RvbBytes {18, 52, 86}));
    EXPECT_EQ(fields(), "0 18 52 86 209 79 34 ");
    EXPECT_EQ(picture().pixel(1, 333), qRgb(18, 52, 86));
    EXPECT_EQ(picture().pixel(347, 360), qRgb(18, 52, 86));
}

TEST_F(AdobePage, DragFromTheRedBarIsHeldAtItsEndsAndAPressBesideItDoesNothing)
{
    const QImage before = picture();
    press(20, kRedRow);
    moveTo(200, kRedRow);
    release(200, kRedRow);
    EXPECT_EQ(adobeRvb(), (RvbBytes {18, 52, 86}));
    EXPECT_EQ(picture(), before);

    press(100, kRedRow);
    EXPECT_EQ(adobe().activeBar(), AdobeBar::Red);
    EXPECT_EQ(adobeRvb(), (RvbBytes {65, 52, 86}));
    moveTo(500, 300); // the drag stays on its bar
    EXPECT_EQ(fields(), "0 255 52 86 349 80 100 ");
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

TEST_F(AdobePage, GreyFieldGivesTheGreyAndKeepsItWhileTheColourMovesOff)
{
    typeInto(*adobe().SpGAdobe, "128");
    EXPECT_EQ(adobeRvb(), (RvbBytes {128, 128, 128}));
    // A grey keeps the hue it had.
    EXPECT_EQ(fields(), "128 128 128 128 209 0 50 ");
    typeInto(*adobe().SpRAdobe, "200");
    EXPECT_EQ(adobeRvb(), (RvbBytes {200, 128, 128}));
    EXPECT_EQ(adobe().SpGAdobe->fieldText(), "128");
    EXPECT_EQ(adobe().rememberedGrey(), 128);
}

TEST_F(AdobePage, MarkersMoveWithTheColourAndLeaveNoTrace)
{
    const QImage first = picture();
    // A triangle below the red bar, tip on the red byte.
    EXPECT_EQ(first.pixel(35 + 18, kRedBarBottom), buttonFace());
    EXPECT_EQ(first.pixel(35 + 18, kRedBarBottom + 1), qRgb(0, 0, 0));
    EXPECT_EQ(first.pixel(35 + 18 - 5, kRedBarBottom + 6), qRgb(0, 0, 0));
    EXPECT_EQ(first.pixel(35 + 18 + 5, kRedBarBottom + 6), qRgb(0, 0, 0));
    EXPECT_EQ(first.pixel(35 + 18, kRedBarBottom + 6), buttonFace());

    press(200, kRedRow);
    release(200, kRedRow);
    EXPECT_EQ(picture().pixel(35 + 18, kRedBarBottom + 1), buttonFace());
    EXPECT_EQ(picture().pixel(35 + 165, kRedBarBottom + 1), qRgb(0, 0, 0));
    press(200, kHueRow);
    release(200, kHueRow);
    EXPECT_EQ(picture().pixel(35 + adobeRvb().red, kRedBarBottom + 1), qRgb(0, 0, 0));
    EXPECT_NE(adobeRvb().red, 165);

    dialog.SetColor(0x563412);
    EXPECT_EQ(picture(), first);
}

} // namespace
} // namespace tintabel::testing
