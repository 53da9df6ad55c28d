#include "picker/ColorPickerDialog.h"
#include "picker/SpinField.h"
#include "picker/UColorForm.h"
#include "picker/UPSPFrame.h"
#include "support/EditorsFixture.h"
#include "support/ErrorText.h"

#include <QPushButton>

#include <functional>

namespace tintabel::testing {
namespace {

// The window's picker, run without a modal loop: while it is open the test does whileOpen.
class PaletteButtonTest : public EditorsFixture {
protected:
    TForm1& loadedWithPicker()
    {
        TForm1& form = loaded();
        form.ColorPickerDialog1 = std::make_unique<ColorPickerDialog>(
            messages, registry, "tintabel", &form, [this](TColorForm& picker) {
                picker.show();
                seen = picker.FramePSP->pageColour().Color();
                if (whileOpen)
                    whileOpen(picker);
                if (picker.isVisible())
                    picker.reject();
                return picker.result();
            });
        return form;
    }

    static void typeChannels(
        TColorForm& picker, const char* red, const char* green, const char* blue)
    {
        for (const auto& [field, text] :
            {std::pair {picker.FramePSP->SPRPSP, red}, std::pair {picker.FramePSP->SPVPSP, green},
                std::pair {picker.FramePSP->SPBPSP, blue}}) {
            field->clear();
            QTest::keyClicks(field, text);
        }
    }

    std::function<void(TColorForm&)> whileOpen;
    std::uint32_t seen = 0xFFFFFFFF;
};

TEST_F(PaletteButtonTest, OkWritesThePickedColourThroughTheEditors)
{
    TForm1& form = loadedWithPicker();
    whileOpen = [](TColorForm& picker) {
        typeChannels(picker, "10", "200", "7");
        QTest::mouseClick(picker.SpeedButton1, Qt::LeftButton);
    };
    QTest::mouseClick(named<QPushButton>(form, "plt"), Qt::LeftButton);
    EXPECT_EQ(seen, kColours[0]);
    EXPECT_EQ(texts(), (std::array<QString, 5> {"10", "200", "7", "0AC807", "200"}));
    EXPECT_EQ(model().colour(0), 0x07C80Au);
    EXPECT_EQ(form.ColorPickerDialog1->Color(), 0x07C80Au);
    expectInStep();
    EXPECT_TRUE(messages.errors().empty());

    // The picker opens on the editors' colour every time, here the one just picked.
    whileOpen = nullptr;
    QTest::mouseClick(named<QPushButton>(form, "plt"), Qt::LeftButton);
    EXPECT_EQ(seen, 0x07C80Au);
}

TEST_F(PaletteButtonTest, CancelChangesNothing)
{
    TForm1& form = loadedWithPicker();
    form.selectSlot(1);
    const std::string file = workingFile();
    const auto before = texts();
    whileOpen = [](TColorForm& picker) {
        typeChannels(picker, "1", "2", "3");
        QTest::mouseClick(picker.SpeedButton2, Qt::LeftButton);
    };
    QTest::mouseClick(named<QPushButton>(form, "plt"), Qt::LeftButton);
    EXPECT_EQ(seen, kColours[1]);
    EXPECT_EQ(texts(), before);
    EXPECT_EQ(model().colour(1), kColours[1]);
    EXPECT_EQ(workingFile(), file);
    expectInStep();
}

TEST_F(PaletteButtonTest, AChannelThatIsNoIntegerKeepsThePickerClosed)
{
    TForm1& form = loadedWithPicker();
    named<QLineEdit>(form, "ge")->setText("1a");
    messages.clear();
    QTest::mouseClick(named<QPushButton>(form, "plt"), Qt::LeftButton);
    EXPECT_EQ(seen, 0xFFFFFFFFu);
    EXPECT_EQ(messages.errors(), (std::vector<std::string> {testing::notAnInteger("1a")}));
}

} // namespace
} // namespace tintabel::testing
