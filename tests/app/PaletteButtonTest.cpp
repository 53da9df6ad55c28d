#include "picker/ColorPickerDialog.h"
#include "picker/SpinField.h"
#include "picker/UColorForm.h"
#include "picker/UPSPFrame.h"
#include "support/EditorsFixture.h"
#include "support/ErrorText.h"

#include <QPushButton>

namespace tintabel::testing {
namespace {

using PaletteButtonTest = EditorsFixture;

// The window's picker, run without a modal loop: it notes the colour it opened on, types the
// channels and presses OK or Cancel.
TEST_F(
    PaletteButtonTest, CancelChangesNothingOkWritesThePickThroughTheEditorsABadChannelKeepsItShut)
{
    TForm1& form = loaded();
    bool ok = false;
    std::uint32_t seen = 0;
    form.ColorPickerDialog1 = std::make_unique<ColorPickerDialog>(
        messages, registry, "tintabel", &form, [&](TColorForm& picker) {
            picker.show();
            seen = picker.FramePSP->pageColour().Color();
            for (const auto& [field, text] : {std::pair {picker.FramePSP->SPRPSP, "10"},
                     {picker.FramePSP->SPVPSP, "200"}, {picker.FramePSP->SPBPSP, "7"}}) {
                field->clear();
                QTest::keyClicks(field, text);
            }
            QTest::mouseClick(ok ? picker.SpeedButton1 : picker.SpeedButton2, Qt::LeftButton);
            return picker.result();
        });
    form.selectSlot(1);
    const std::string file = workingFile();
    const auto before = texts();
    click("plt");
    EXPECT_EQ(seen, kColours[1]);
    EXPECT_EQ(texts(), before);
    EXPECT_EQ(workingFile(), file);

    ok = true;
    click("plt");
    EXPECT_EQ(texts(), (std::array<QString, 5> {"10", "200", "7", "0AC807", "255"}));
    EXPECT_EQ(model().colour(1), 0x07C80Au);
    expectInStep();
    EXPECT_TRUE(messages.errors().empty());
    // The picker opens on the editors' colour every time, here the one just picked.
    click("plt");
    EXPECT_EQ(seen, 0x07C80Au);

    seen = 0;
    named<QLineEdit>(form, "ge")->setText("1a");
    messages.clear();
    click("plt");
    EXPECT_EQ(seen, 0u);
    EXPECT_EQ(messages.errors(), (std::vector<std::string> {notAnInteger("1a")}));
}

} // namespace
} // namespace tintabel::testing
