#include "PickerFixture.h"
#include "picker/UAdobeFrame.h"

namespace tintabel::testing {
namespace {

using ColorPickerDialogTest = PickerFixture;

TEST_F(ColorPickerDialogTest, OpensOnTheWheelWithBlackConfirmed)
{
    EXPECT_TRUE(form().TBPsp->isVisible());
    EXPECT_TRUE(form().TBPsp->isChecked());
    for (QToolButton* hidden :
        {form().TBAdobe, form().TBAdobe2, form().TBPerso, form().TBuPerso, form().TBInfo})
        EXPECT_FALSE(hidden->isVisible());
    EXPECT_EQ(page().EHexaPSP->text(), "$000000");
    EXPECT_EQ(page().EHTMLPSP->text(), "#000000");
    EXPECT_EQ(dialog.Color(), 0u);
    EXPECT_EQ(form().confirmedColour(), 0u);
}

TEST_F(ColorPickerDialogTest, OkTakesThePageColour)
{
    dialog.SetColor(0x563412);
    whileOpen = [this] { clickOk(); };
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), 0x563412u);
    EXPECT_EQ(form().confirmedColour(), 0x563412u);

    whileOpen = [this] {
        click(xo + 149, 97); // the last column of the square that takes a press
        clickOk();
    };
    EXPECT_TRUE(dialog.Execute());
    const TCouleur& picked = page().pageColour();
    EXPECT_EQ(dialog.Color(), picked.Color());
    EXPECT_EQ(picked.TSLPSP(), (TslBytes {149, 253, 128}));
    EXPECT_EQ(page().oldColour(), picked.Color());
}

TEST_F(ColorPickerDialogTest, CancelAndClosingLeaveTheColour)
{
    dialog.SetColor(0x563412);
    whileOpen = [this] {
        click(xo + 60, 60);
        clickCancel();
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
    dialog.SetColor(0x563412);
    QTest::mouseClick(page().ImgCoulPSP, Qt::LeftButton, {}, QPoint(45, 45)); // the New box
    EXPECT_EQ(pageRvb(), (RvbBytes {18, 52, 86}));
    const QImage preview = page().ImgCoulPSP->picture();
    EXPECT_EQ(preview.pixel(45, 45), qRgb(18, 52, 86));
    EXPECT_EQ(preview.pixel(21, 20), qRgb(0, 0, 0));
    EXPECT_EQ(preview.pixel(45, 120), qRgb(0, 0, 0));
    EXPECT_EQ(preview.pixel(5, 90), page().palette().color(QPalette::Button).rgb());
    // Black before any confirmation.
    clickOldBox();
    EXPECT_EQ(pageRvb(), (RvbBytes {0, 0, 0}));

    dialog.SetColor(0x563412);
    whileOpen = [this] {
        click(xo + 100, 70);
        clickOk();
    };
    ASSERT_TRUE(dialog.Execute());
    const std::uint32_t confirmed = dialog.Color();
    ASSERT_NE(confirmed, 0x563412u);
    dialog.SetColor(0x00FF00);
    whileOpen = [this] {
        EXPECT_EQ(pageRvb(), (RvbBytes {0, 255, 0}));
        clickOldBox();
        clickOk();
    };
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), confirmed);
}

TEST_F(ColorPickerDialogTest, PageButtonsHandTheColourFromPageToPage)
{
    TFrameAdobe& adobe = *form().FrameAdobe1;
    const auto typeRvb = [&](const char* red, const char* green, const char* blue) {
        typeInto(*adobe.SpRAdobe, red);
        typeInto(*adobe.SpVAdobe, green);
        typeInto(*adobe.SpBAdobe, blue);
    };
    EXPECT_FALSE(adobe.isVisible());
    form().TBAdobe->show();
    dialog.SetColor(0x563412);
    whileOpen = [&] {
        click(xo + 60, 60);
        const std::uint32_t picked = page().pageColour().Color();
        QTest::mouseClick(form().TBAdobe, Qt::LeftButton);
        EXPECT_TRUE(adobe.isVisible());
        EXPECT_FALSE(page().isVisible());
        EXPECT_EQ(adobe.pageColour().Color(), picked);

        typeRvb("1", "2", "3");
        QTest::mouseClick(form().TBPsp, Qt::LeftButton);
        EXPECT_TRUE(page().isVisible());
        EXPECT_EQ(pageRvb(), (RvbBytes {1, 2, 3}));
        EXPECT_EQ(page().SPBPSP->fieldText(), "3");

        QTest::mouseClick(form().TBAdobe, Qt::LeftButton);
        typeRvb("4", "5", "6");
        clickOk();
    };
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), 0x060504u);
    form().TBPsp->click();
}

} // namespace
} // namespace tintabel::testing
