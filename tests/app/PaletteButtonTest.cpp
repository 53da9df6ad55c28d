#include "picker/ColorPickerDialog.h"
#include "picker/SpinField.h"
#include "picker/UColorForm.h"
#include "picker/UPSPFrame.h"
#include "support/EditorsFixture.h"
#include "support/ErrorText.h"

#include <QPushButton>

namespace tintabel::testing {
namespace {

// The window's picker, run without a modal loop: it types the channels and presses the button
// the test names, noting the colour it opened on.
class PaletteButtonTest : public EditorsFixture {
protected:
    TForm1& loadedWithPicker()
    {
        TForm1& form = loaded();
        form.ColorPickerDialog1 = std::make_unique<ColorPickerDialog>(
            messages, registry, "tintabel", &form, [this](TColorForm& picker) {
                picker.show();
                seen = picker.FramePSP->pageColour().Color();
                for (const auto& [field, text] : {std::pair {picker.FramePSP->SPRPSP, "10"},
                         std::pair {picker.FramePSP->SPVPSP, "200"},
                         std::pair {picker.FramePSP->SPBPSP, "7"}}) {
                    field->clear();
                    QTest::keyClicks(field, text);
                }
                QTest::mouseClick(ok ? picker.SpeedButton1 : picker.SpeedButton2, Qt::LeftButton);
                return picker.result();
            });
        return form;
    }

    void clickPalette() { QTest::mouseClick(named<QPushButton>(window(), "plt"), Qt::LeftButton); }

    bool ok = false;
    std::uint32_t seen = 0xFFFFFFFF;
};

TEST_F(PaletteButtonTest, CancelChangesNothingAndOkWritesThePickedColourThroughTheEditors)
{
    TForm1& form = loadedWithPicker();
    form.selectSlot(1);
    const std::string file = workingFile();
    const auto before = texts();
    clickPalette();
    EXPECT_EQ(seen, kColours[1]);
    EXPECT_EQ(texts(), before);
    EXPECT_EQ(workingFile(), file);

    ok = true;
    clickPalette();
    EXPECT_EQ(texts(), (std::array<QString, 5> {"10", "200", "7", "0AC807", "255"}));
    EXPECT_EQ(model().colour(1), 0x07C80Au);
    expectInStep();
    EXPECT_TRUE(messages.errors().empty());

    // The picker opens on the editors' colour every time, here the one just picked.
    ok = false;
    clickPalette();
    EXPECT_EQ(seen, 0x07C80Au);
}

TEST_F(PaletteButtonTest, AChannelThatIsNoIntegerKeepsThePickerClosed)
{
    TForm1& form = loadedWithPicker();
    named<QLineEdit>(form, "ge")->setText("1a");
    messages.clear();
    clickPalette();
    EXPECT_EQ(seen, 0xFFFFFFFFu);
    EXPECT_EQ(messages.errors(), (std::vector<std::string> {testing::notAnInteger("1a")}));
}

} // namespace
} // namespace tintabel::testing
