#include "support/EditorsFixture.h"
#include "support/ErrorText.h"

namespace tintabel::testing {
namespace {

using PaletteButtonTest = EditorsFixture;

// Which colour the picker opens on and what a bad channel raises is the button's own rule; here,
// that the window gives it the selected slot and writes the pick through the editors.
TEST_F(PaletteButtonTest, OkWritesThePickThroughTheEditorsCancelAndABadChannelChangeNothing)
{
    TForm1& form = loaded();
    scriptPicker();
    form.selectSlot(1);
    const std::string file = workingFile();
    pickerOk = false;
    click("plt");
    EXPECT_EQ(pickerOpenedOn, kColours[1]);
    EXPECT_EQ(workingFile(), file);

    pickerOk = true;
    click("plt");
    EXPECT_EQ(texts(), (std::array<QString, 5> {"10", "200", "7", "0AC807", "255"}));
    EXPECT_EQ(model().colour(1), 0x07C80Au);
    expectInStep();

    pickerOpenedOn = 0;
    named<QLineEdit>(form, "ge")->setText("1a");
    click("plt");
    EXPECT_EQ(pickerOpenedOn, 0u);
    EXPECT_EQ(messages.errors(), (std::vector<std::string> {notAnInteger("1a")}));
}

} // namespace
} // namespace tintabel::testing
