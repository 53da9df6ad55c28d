#include "PickerFixture.h"
#include "picker/UAdobeFrame.h"

namespace tintabel::testing {
namespace {

using ColorPickerDialogTest = PickerFixture;

TEST_F(ColorPickerDialogTest, OpensOnTheWheelWithBlackConfirmedAndOkTakesThePageColour)
{
    EXPECT_TRUE(form().TBPsp->isVisible() && form().TBPsp->isChecked());
    for (QToolButton* hidden :
        {form().TBAdobe, form().TBAdobe2, form().TBPerso, form().TBuPerso, form().TBInfo})
        EXPECT_FALSE(hidden->isVisible());
    EXPECT_EQ(wheelFields(), "0 0 0 0 0 0 $000000 #000000");

    dialog.SetColor(0x563412);
    whileOpen = [this] { clickOk(); };
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), 0x563412u);

    whileOpen = [this] {
        click(xo + 149, 97); // the last column of the square that takes a press
        clickOk();
    };
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(page().pageColour().TSLPSP(), (TslBytes {149, 253, 128}));
    EXPECT_EQ(dialog.Color(), page().pageColour().Color());
    EXPECT_EQ(page().oldColour(), dialog.Color());
}

TEST_F(ColorPickerDialogTest, CancelAndClosingLeaveTheColour)
{
    dialog.SetColor(0x563412);
    whileOpen = [this] {
        click(xo + 60, 60);
        QTest::mouseClick(form().SpeedButton2, Qt::LeftButton);
    };
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), 0x563412u);
    // Cancel puts the form's colour back to the one confirmed last.
    EXPECT_EQ(form().Couleur().Color(), 0u);

    whileOpen = [this] { click(xo + 60, 60); }; // then the window is closed
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), 0x563412u);
}

TEST_F(ColorPickerDialogTest, OldBoxRestoresTheColourConfirmedLast)
{
    const auto clickBox = [this](int y) {
        QTest::mouseClick(page().ImgCoulPSP, Qt::LeftButton, {}, QPoint(45, y));
    };
    dialog.SetColor(0x563412);
    clickBox(45); // the New box
    EXPECT_EQ(rvb(), (RvbBytes {18, 52, 86}));
    const QImage preview = page().ImgCoulPSP->picture();
    EXPECT_EQ(preview.pixel(45, 45), qRgb(18, 52, 86));
    EXPECT_EQ(preview.pixel(21, 20), qRgb(0, 0, 0));
    EXPECT_EQ(preview.pixel(45, 120), qRgb(0, 0, 0));
    EXPECT_EQ(preview.pixel(5, 90), buttonFace());
    clickBox(120); // black before any confirmation
    EXPECT_EQ(rvb(), (RvbBytes {0, 0, 0}));

    whileOpen = [this] {
        click(xo + 100, 70);
        clickOk();
    };
    ASSERT_TRUE(dialog.Execute());
    const std::uint32_t confirmed = dialog.Color();
    dialog.SetColor(0x00FF00);
    whileOpen = [&] {
        clickBox(120);
        clickOk();
    };
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), confirmed);
}

TEST_F(ColorPickerDialogTest, PageButtonsHandTheColourFromPageToPage)
{
    TFrameAdobe& adobe = *form().FrameAdobe1;
    form().TBAdobe->show();
    dialog.SetColor(0x563412);
    whileOpen = [&] {
        click(xo + 60, 60);
        const std::uint32_t picked = page().pageColour().Color();
        QTest::mouseClick(form().TBAdobe, Qt::LeftButton);
        EXPECT_TRUE(adobe.isVisible() && !page().isVisible());
        EXPECT_EQ(adobe.pageColour().Color(), picked);

        typeInto(*adobe.SpRAdobe, "1");
        QTest::mouseClick(form().TBPsp, Qt::LeftButton);
        EXPECT_TRUE(page().isVisible());
        EXPECT_EQ(page().pageColour().Color(), (picked & 0xFFFF00) | 1);
        EXPECT_EQ(wheelFields().left(2), "1 ");

        QTest::mouseClick(form().TBAdobe, Qt::LeftButton);
        typeInto(*adobe.SpBAdobe, "6");
        clickOk();
    };
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), adobe.pageColour().Color());
    EXPECT_EQ(dialog.Color() >> 16, 6u);
}

} // namespace
} // namespace tintabel::testing
