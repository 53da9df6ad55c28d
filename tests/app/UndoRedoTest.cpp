#include "picker/ColorPickerDialog.h"
#include "picker/SpinField.h"
#include "picker/UColorForm.h"
#include "picker/UPSPFrame.h"
#include "support/EditorsFixture.h"
#include "support/SchemeRecord.h"
#include "support/XmlTestDocuments.h"

#include <QPushButton>

namespace tintabel::testing {
namespace {

using UndoRedoTest = EditorsFixture;

TEST_F(UndoRedoTest, EveryKindOfChangeIsUndoneAndRedoneStepByStepUntilALoad)
{
    TForm1& form = loaded();
    named<QPushButton>(form, "loadbt")->setEnabled(true);
    named<QPushButton>(form, "sctbt")->setEnabled(true);
    // The picker answers at once with another red.
    form.ColorPickerDialog1 = std::make_unique<ColorPickerDialog>(
        messages, registry, "tintabel", &form, [](TColorForm& picker) {
            picker.show();
            picker.FramePSP->SPRPSP->clear();
            QTest::keyClicks(picker.FramePSP->SPRPSP, "10");
            QTest::mouseClick(picker.SpeedButton1, Qt::LeftButton);
            return picker.result();
        });
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const auto editor = [&](const char* name) { return named<QLineEdit>(form, name); };
    // Keys pressed with the focus in an editor, as the user does after typing there.
    const auto press = [&](QKeyCombination keys) {
        editor("re")->setFocus();
        QTest::keyClick(editor("re"), keys.key(), keys.keyboardModifiers());
    };
    TempFolder user;
    user.write("one.ctm", schemeRecord("low attribute", "1", "2", "3", "4"));
    // The working file holds every slot's colour and alpha; the editors, swatch and sample of the
    // selected slot must agree with it (expectInStep).
    std::vector<std::string> steps {workingFile()};
    dialogs.chooseFilter(1); // a GIMP palette
    dialogs.queueAnswer((user / "p.gpl").string());
    QTest::mouseClick(named<QPushButton>(form, "sctbt"), Qt::LeftButton);
    const std::array<QString, 5> firstTexts = texts();
    const auto step = [&](auto&& action) {
        action();
        steps.push_back(workingFile());
    };
    step([&] { retype(editor("re"), "91"); }); // two keystrokes: one step
    step([&] { retype(editor("re"), "3"); }); // a new selection of the text: still the same run
    step([&] { retype(editor("alp"), "7"); });
    step([&] {
        QTest::mouseClick(named<QRadioButton>(form, "earb"), Qt::LeftButton);
        retype(editor("re"), "9");
    });
    step([&] {
        dialogs.chooseFilter(0);
        dialogs.queueAnswer((user / "one.ctm").string());
        QTest::mouseClick(named<QPushButton>(form, "loadbt"), Qt::LeftButton);
    });
    step([&] { QTest::mouseClick(named<QPushButton>(form, "plt"), Qt::LeftButton); });
    step([&] {
        dialogs.chooseFilter(1);
        dialogs.queueAnswer((user / "p.gpl").string());
        QTest::mouseClick(named<QPushButton>(form, "loadbt"), Qt::LeftButton);
    });
    steps.erase(steps.begin() + 1);

    for (std::size_t i = steps.size() - 1; i-- > 0;) {
        press(Qt::CTRL | Qt::Key_Z);
        EXPECT_EQ(workingFile(), steps[i]) << "undo to " << i;
        expectInStep();
    }
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(workingFile(), steps[0]);
    EXPECT_EQ(texts(), firstTexts);
    for (std::size_t i = 1; i < steps.size(); ++i) {
        press(i % 2 ? Qt::CTRL | Qt::Key_Y : Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        EXPECT_EQ(workingFile(), steps[i]) << "redo to " << i;
        expectInStep();
    }
    press(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(workingFile(), steps.back());
    EXPECT_TRUE(messages.shown().empty());

    // A new edit after an undo drops what could have been redone.
    press(Qt::CTRL | Qt::Key_Z);
    retype(editor("be"), "5");
    const std::string edited = workingFile();
    press(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(workingFile(), edited);

    // Loading a document starts a fresh history.
    user.write("skin.xml", skinDocument());
    dialogs.queueAnswer((user / "skin.xml").string());
    QTest::mouseClick(named<QPushButton>(form, "lsbt"), Qt::LeftButton);
    const std::string loadedFile = workingFile();
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(workingFile(), loadedFile);
    EXPECT_EQ(model().colour(0), makeColour(1, 2, 3));
}

} // namespace
} // namespace tintabel::testing
