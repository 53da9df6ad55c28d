#include "editor/EditorKeyFilter.h"
#include "support/EditorsFixture.h"
#include "support/ErrorText.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QInputMethodEvent>

namespace tintabel::testing {
namespace {

using ChannelEditorsTest = EditorsFixture;
using Texts = std::array<QString, 5>;

// Starting from the first slot as loaded: 18, 52, 86, "123456", alpha 200.
TEST_F(ChannelEditorsTest, EachEditKeepsChannelsHexSlotSampleAndWorkingFileInStep)
{
    struct Edit {
        const char* editor;
        const char* text; // typed over the whole text; nullptr: emptied with Backspace
        bool fromCode; // written by the program rather than typed
        Texts texts;
        ColourValue colour;
    };
    const Edit edits[] = {
        {"re", "300", false, {"255", "52", "86", "FF3456", "200"}, 0x5634FF},
        // Written from code, a long text reaches the rule whole and is clamped the same way.
        {"ge", "1000", true, {"18", "255", "86", "12FF56", "200"}, 0x56FF12},
        {"alp", "1000", true, {"18", "52", "86", "123456", "255"}, 0x563412},
        {"ge", nullptr, false, {"18", "0", "86", "120056", "200"}, 0x560012},
        {"alp", nullptr, false, {"18", "52", "86", "123456", "255"}, 0x563412},
        {"alp", "0", false, {"18", "52", "86", "123456", "0"}, 0x563412},
        {"be", "128", false, {"18", "52", "128", "123480", "200"}, 0x803412},
        {"hex", "ff8000", false, {"255", "128", "0", "FF8000", "200"}, 0x0080FF},
        {"hex", "0a0B0c", false, {"10", "11", "12", "0A0B0C", "200"}, 0x0C0B0A},
        // Fewer than six digits change nothing.
        {"hex", "12345", false, {"18", "52", "86", "12345", "200"}, 0x563412},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE(std::string(edit.editor) + " " + (edit.text ? edit.text : "emptied"));
        TForm1& form = loaded();
        const std::string file = workingFile();
        QLineEdit* editor = named<QLineEdit>(form, edit.editor);
        if (edit.fromCode) {
            form.editors().write(*editor, edit.text);
        } else if (edit.text) {
            retype(editor, edit.text);
        } else {
            editor->selectAll();
            QTest::keyClick(editor, Qt::Key_Backspace);
        }
        EXPECT_EQ(texts(), edit.texts);
        EXPECT_EQ(model().colour(0), edit.colour);
        if (edit.texts[3].size() == 6)
            expectInStep();
        else
            EXPECT_EQ(workingFile(), file);
        close();
    }
}

TEST_F(ChannelEditorsTest, LeadingZerosGoOnlyWhenTheColourChanges)
{
    TForm1& form = loaded();
    retype(named<QLineEdit>(form, "re"), "0");
    retype(named<QLineEdit>(form, "re"), "00");
    EXPECT_EQ(named<QLineEdit>(form, "re")->text(), "00");
    QTest::keyClicks(named<QLineEdit>(form, "re"), "7");
    EXPECT_EQ(texts(), (Texts {"7", "52", "86", "073456", "200"}));
    expectInStep();
}

TEST_F(ChannelEditorsTest, APastedTextThatIsNoIntegerShowsTheErrorAndStops)
{
    TForm1& form = loaded();
    const std::string file = workingFile();
    const auto paste = [&](const char* editor, const char* text) {
        messages.clear();
        QApplication::clipboard()->setText(text);
        named<QLineEdit>(form, editor)->selectAll();
        named<QLineEdit>(form, editor)->paste();
    };
    paste("re", "1a");
    EXPECT_EQ(messages.errors(), (std::vector<std::string> {notAnInteger("1a")}));
    EXPECT_EQ(model().colour(0), kColours[0]);
    // Another channel's rule meets it too, and stops at once: one error, nothing written.
    messages.clear();
    retype(named<QLineEdit>(form, "ge"), "7");
    EXPECT_EQ(messages.errors(), (std::vector<std::string> {notAnInteger("1a")}));
    EXPECT_EQ(texts(), (Texts {"1a", "7", "86", "123456", "200"}));
    EXPECT_EQ(workingFile(), file);
    // A hex code with a pair that is not hexadecimal names that pair.
    paste("hex", "12G456");
    EXPECT_EQ(messages.errors(), (std::vector<std::string> {notAnInteger("$G4")}));
}

// The five editors on their own, as the key filter judges what is typed into them: a refused
// character locks the editor until the next allowed one, and typing stops at the length.
TEST(EditorKeyFilter, RefusedCharactersLockTheEditorAndTypingStopsAtTheLength)
{
    struct Typing {
        const char* editor;
        const char* start;
        int selected; // characters selected from the start; -1: the cursor at the end
        // \b Backspace, \x7F Delete, \x02 Left, \r Return, \x16 Ctrl+V, \x01 a key typing an é,
        // \x03 and \x04 an input method composing a ż and a 5
        const char* keys;
        const char* text;
        bool locked;
    };
    const Typing typings[] = {
        // Locked, Delete does nothing, nor does moving about unlock it.
        {"re", "18", 0, "x\x7F\x02", "18", true},
        {"re", "18", 0,
            "x\x7F"
            "2\x7F",
            "28", false},
        {"ge", "52", -1, "\x01", "52", true},
        {"ge", "52", -1, "\x01\b", "5", false},
        {"alp", "200", 0, "\r", "200", true},
        {"alp", "20", 0, "\r1\x16", "120", true},
        {"be", "86", -1, "a", "86", true},
        {"be", "", -1, "\x03", "", true},
        {"be", "", -1, "\x03\x04", "5", false},
        {"hex", "", -1, "aF", "aF", false},
        {"hex", "aF", -1, "g", "aF", true},
        {"alp", "25", -1, "51", "255", false},
        // A selection is typed over, so the limit counts what stays.
        {"alp", "255", 1, "1", "155", false},
        {"hex", "ABCDEF", -1, "1\b", "ABCDE", false},
    };
    const std::map<char, QKeyCombination> keys {{'\b', Qt::Key_Backspace}, {'\x7F', Qt::Key_Delete},
        {'\x02', Qt::Key_Left}, {'\r', Qt::Key_Return}, {'\x16', Qt::CTRL | Qt::Key_V}};
    QApplication::clipboard()->setText("9");
    for (const Typing& typing : typings) {
        SCOPED_TRACE(std::string(typing.editor) + " " + typing.start + " + " + typing.keys);
        std::map<std::string, QLineEdit> editors;
        EditorKeyFilter filter(
            editors["re"], editors["ge"], editors["be"], editors["hex"], editors["alp"]);
        QLineEdit& editor = editors[typing.editor];
        editor.setText(typing.start);
        if (typing.selected >= 0)
            editor.setSelection(0, typing.selected);
        for (const char* key = typing.keys; *key; ++key) {
            if (keys.contains(*key)) {
                QTest::keyClick(&editor, keys.at(*key).key(), keys.at(*key).keyboardModifiers());
            } else if (*key == '\x01') {
                QTest::sendKeyEvent(QTest::Click, &editor, Qt::Key_Eacute, "é", {});
            } else if (*key == '\x03' || *key == '\x04') {
                QInputMethodEvent composed;
                composed.setCommitString(*key == '\x03' ? "ż" : "5");
                QApplication::sendEvent(&editor, &composed);
            } else {
                QTest::keyClick(&editor, *key);
            }
        }
        EXPECT_EQ(editor.text(), typing.text);
        EXPECT_EQ(editor.isReadOnly(), typing.locked);
    }
}

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
    named<QLineEdit>(form, "ge")->setText("1a"); // the editor's own rule tells it once
    messages.clear();
    click("plt");
    EXPECT_EQ(pickerOpenedOn, 0u);
    EXPECT_EQ(messages.errors(), (std::vector<std::string> {notAnInteger("1a")}));
}

using SlotSelectionTest = EditorsFixture;

TEST_F(SlotSelectionTest, AClickedSlotIsShownOnTopAndNoSlotChanges)
{
    TForm1& form = loaded();
    const std::string file = workingFile();
    const std::pair<const char*, std::array<QString, 5>> clicks[] = {
        {"narb", {"48", "32", "16", "302010", "255"}},
        {"earb", {"0", "255", "0", "00FF00", "0"}},
        {"larb", {"18", "52", "86", "123456", "200"}},
    };
    for (const auto& [button, shown] : clicks) {
        SCOPED_TRACE(button);
        QTest::mouseClick(named<QRadioButton>(form, button), Qt::LeftButton);
        EXPECT_EQ(texts(), shown);
        expectInStep(); // the file holds every slot's colour and alpha
        EXPECT_EQ(workingFile(), file);
    }
    std::vector<std::string> stack; // bottom first
    for (const auto* sample : named<QGroupBox>(form, "GroupBox1")
                                  ->findChildren<PreviewSample*>(Qt::FindDirectChildrenOnly))
        stack.push_back(sample->objectName().toStdString());
    EXPECT_EQ(stack,
        (std::vector<std::string> {
            "gaea", "saea", "alea", "salea", "petea", "naea", "eaea", "laea"}));
    EXPECT_TRUE(messages.errors().empty());
}

// From code: the radio button follows; black, which the channels show already, still brings hex
// and swatch in step; an alpha above the limit is clamped in the store; an unavailable slot
// cannot be clicked.
TEST_F(SlotSelectionTest, SelectingFromCodeShowsTheSlotAndAnUnavailableOneCannotBeClicked)
{
    TForm1& form = loaded();
    form.unload();
    model().setColour(6, 0x000000);
    form.SampleRender(6, 99);
    form.SampleRender(1, 300);
    form.editors().enable();
    form.selectSlot(6);
    EXPECT_TRUE(named<QRadioButton>(form, "salrb")->isChecked());
    EXPECT_EQ(texts(), (std::array<QString, 5> {"0", "0", "0", "000000", "99"}));
    expectInStep();
    form.selectSlot(1);
    EXPECT_EQ(model().alpha(1), "255"); // the editor's text is expectInStep's
    EXPECT_EQ(model().alpha(6), "99");
    expectInStep();

    model().setAvailable(2, false);
    QTest::mouseClick(named<QRadioButton>(form, "garb"), Qt::LeftButton);
    EXPECT_EQ(model().selected(), 1u);
}

} // namespace
} // namespace tintabel::testing
