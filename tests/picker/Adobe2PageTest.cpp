#include "PickerFixture.h"
#include "picker/PictureDrawing.h"
#include "picker/UAdobeFrame2.h"

#include <QRadioButton>

namespace tintabel::testing {
namespace {

constexpr int x0 = 9;
constexpr int y0 = 12;
constexpr int x1 = 275;

// The second Adobe-style page: a field and a strip, what they span chosen by the mode buttons.
class Adobe2Page : public PickerFixture {
protected:
    Adobe2Page() { showPage(form().TBAdobe2, adobe(), adobe().ImgAdobe2); }

    TFrameAdobe2& adobe() { return *form().FrameAdobe2; }
    QString fields()
    {
        TFrameAdobe2& p = adobe();
        return texts({p.SpRAdobe, p.SpVAdobe, p.SpBAdobe, p.SpTAdobe, p.SpSAdobe, p.SpLAdobe});
    }
    void chooseMode(QRadioButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QRgb inverted(QRgb pixel) { return pixel ^ 0x00FFFFFFu; }
};

TEST_F(Adobe2Page, PicksInModeRShowInFieldsAndPreviewAndDragsAreHeldAtTheirTargetsEdges)
{
    EXPECT_TRUE(adobe().RBR->isChecked());
    click(x0 + 255, y0);
    EXPECT_EQ(fields(), "18 255 255 180 93 100");
    EXPECT_EQ(adobe().ImgCoul->picture().pixel(3 + 20, 120 + 20), qRgb(18, 255, 255));

    press(x1 + 5, y0 + 100); // on the strip
    EXPECT_EQ(rvb(), (RvbBytes {155, 255, 255}));
    moveTo(x0 + 50, -40); // over the field, above the picture
    EXPECT_EQ(rvb(), (RvbBytes {255, 255, 255}));
    release(x0 + 50, 400);
    EXPECT_EQ(rvb(), (RvbBytes {0, 255, 255}));
    press(x0 - 3, y0); // beside the field
    release(x0 + 40, y0 + 40);
    EXPECT_EQ(rvb(), (RvbBytes {0, 255, 255}));
}

TEST_F(Adobe2Page, PicturesAndCursorsFollowTheMode)
{
    QImage shown = picture();
    // Mode R: the field spans blue to the right and green upwards, red kept.
    EXPECT_EQ(shown.pixel(x0 + 7, y0 + 250), qRgb(18, 5, 7));
    EXPECT_EQ(shown.pixel(x1 + 10, y0 + 255), qRgb(0, 52, 86));
    // The circle around (blue, 255 - green) and the strip triangles at 255 - red, inverted.
    const QPoint circle(x0 + 86, y0 + 255 - 52);
    EXPECT_EQ(shown.pixel(circle + QPoint(5, 0)), inverted(qRgb(18, 52, 91)));
    EXPECT_EQ(shown.pixel(circle), qRgb(18, 52, 86));
    EXPECT_EQ(shown.pixel(x1 - 3, y0 + 255 - 18), inverted(buttonFace()));
    EXPECT_EQ(shown.pixel(x1 + 22, y0 + 255 - 18), inverted(buttonFace()));
    EXPECT_EQ(shown.pixel(x1 - 8, y0 + 255 - 18 + 5), inverted(buttonFace()));
    EXPECT_EQ(shown.pixel(x1 - 4, y0 + 255 - 18), buttonFace());

    chooseMode(adobe().RBS);
    shown = picture();
    EXPECT_EQ(shown.pixel(x0, y0 + 255), qRgb(0, 0, 0));
    const TsvDegrees tsv = adobe().pageColour().TSV();
    // Hue across, value down in whole percent steps.
    EXPECT_EQ(shown.pixel(x0 + 100, y0 + 2), rgbOf(tsvToRgb({141, tsv.saturation, 99})));
    // The strip runs from full saturation at the top to grey at the bottom.
    EXPECT_EQ(shown.pixel(x1 + 10, y0 + 255), qRgb(86, 86, 86));
    EXPECT_EQ(shown.pixel(x1 + 10, y0), rgbOf(tsvToRgb({209, 100, tsv.value})));

    // In hue mode the strip's top is the last hue; typed fields set the colour.
    chooseMode(adobe().RBT);
    click(x0 + 255, y0 + 255);
    click(x1 + 3, y0);
    EXPECT_EQ(fields(), "0 0 0 359 100 0");
    typeInto(*adobe().SpTAdobe, "0");
    typeInto(*adobe().SpLAdobe, "100");
    EXPECT_EQ(rvb(), (RvbBytes {255, 0, 0}));
    chooseMode(adobe().RBR);
    EXPECT_EQ(picture().pixel(x1 + 10, y0 + 255), qRgb(0, 0, 0));
}

TEST_F(Adobe2Page, CursorsLeaveNoTrace)
{
    const QImage first = picture();
    click(x0 + 250, y0 + 3); // the circle reaches past the field's edge
    click(x1 + 3, y0 + 200);
    chooseMode(adobe().RBL);
    click(x0 + 20, y0 + 20);
    chooseMode(adobe().RBR);
    adobe().RBRClick(*adobe().RBR); // a click that came without a press
    EXPECT_NE(picture(), first);
    dialog.SetColor(0x563412);
    EXPECT_EQ(picture(), first);

    // A press on a mode button takes the cursors away until the click draws them anew.
    QTest::mousePress(adobe().RBV, Qt::LeftButton);
    EXPECT_EQ(picture().pixel(x1 - 3, y0 + 255 - 18), buttonFace());
    QTest::mouseRelease(adobe().RBV, Qt::LeftButton);
    EXPECT_EQ(picture().pixel(x1 - 3, y0 + 255 - 52), inverted(buttonFace()));
}

} // namespace
} // namespace tintabel::testing
