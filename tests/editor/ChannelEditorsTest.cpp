#include "support/EditorsFixture.h"
#include "support/ErrorText.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>

namespace tintabel::testing {
namespace {

using ChannelEditorsTest = EditorsFixture;

TEST_F(ChannelEditorsTest, AChannelAboveTheLimitBecomes255)
{
    TForm1& form = loaded();
    retype(named<QLineEdit>(form, "re"), "300");
    EXPECT_EQ(named<QLineEdit>(form, "re")->text(), "255");
    EXPECT_TRUE(named<QLineEdit>(form, "hex")->text().startsWith("FF"));
    EXPECT_EQ(model().colour(0), 0x5634FFu);
    expectInStep();

    // Written from code, a long text reaches the rule whole and is clamped the same way.
    form.editors().write(*named<QLineEdit>(form, "ge"), "1000");
    EXPECT_EQ(named<QLineEdit>(form, "ge")->text(), "255");
    EXPECT_EQ(model().colour(0), 0x56FFFFu);
    expectInStep();
}

TEST_F(ChannelEditorsTest, AnEmptiedChannelReadsZeroAndAnEmptiedAlpha255)
{
    TForm1& form = loaded();
    named<QLineEdit>(form, "ge")->selectAll();
    QTest::keyClick(named<QLineEdit>(form, "ge"), Qt::Key_Backspace);
    EXPECT_EQ(named<QLineEdit>(form, "ge")->text(), "0");
    EXPECT_EQ(model().colour(0), 0x560012u);
    expectInStep();

    named<QLineEdit>(form, "alp")->selectAll();
    QTest::keyClick(named<QLineEdit>(form, "alp"), Qt::Key_Backspace);
    EXPECT_EQ(named<QLineEdit>(form, "alp")->text(), "255");
    EXPECT_EQ(model().alpha(0), "255");
    expectInStep();
}

TEST_F(ChannelEditorsTest, SixHexDigitsSetTheChannelsAndFewerChangeNothing)
{
    TForm1& form = loaded();
    retype(named<QLineEdit>(form, "hex"), "ff8000");
    EXPECT_EQ(texts(), (std::array<QString, 5> {"255", "128", "0", "FF8000", "200"}));
    EXPECT_EQ(model().colour(0), 0x0080FFu);
    expectInStep();

    const std::string file = workingFile();
    retype(named<QLineEdit>(form, "hex"), "12345");
    EXPECT_EQ(texts(), (std::array<QString, 5> {"255", "128", "0", "12345", "200"}));
    EXPECT_EQ(model().colour(0), 0x0080FFu);
    EXPECT_EQ(named<ColourSwatch>(form, "clr")->colour(), 0x0080FFu);
    EXPECT_EQ(workingFile(), file);
}

TEST_F(ChannelEditorsTest, LeadingZerosGoOnlyWhenTheColourChanges)
{
    TForm1& form = loaded();
    retype(named<QLineEdit>(form, "re"), "0");
    retype(named<QLineEdit>(form, "re"), "00");
    EXPECT_EQ(named<QLineEdit>(form, "re")->text(),
        "00"); // same colour: hex unchanged, nothing rewrites the text
    QTest::keyClicks(named<QLineEdit>(form, "re"), "7");
    EXPECT_EQ(named<QLineEdit>(form, "re")->text(), "7");
    EXPECT_EQ(named<QLineEdit>(form, "hex")->text(), "073456");
    expectInStep();
}

TEST_F(ChannelEditorsTest, EveryEditRewritesTheWorkingFile)
{
    TForm1& form = loaded();
    retype(named<QLineEdit>(form, "be"), "128");
    retype(named<QLineEdit>(form, "alp"), "7");
    const std::string file = workingFile();
    ASSERT_EQ(file.size(), 536u);
    // The first record: "low attribute", then red 18, green 52, blue 128 and alpha 7.
    EXPECT_EQ(file.substr(0, 14), std::string("\x0Dlow attribute"));
    EXPECT_EQ(file.substr(51, 16),
        std::string("\x02"
                    "18\0\x02"
                    "52\0\x03"
                    "128\x01"
                    "7\0\0",
            16));
    expectInStep();

    retype(named<QLineEdit>(form, "hex"), "0a0B0c");
    EXPECT_EQ(workingFile().substr(51, 16),
        std::string("\x02"
                    "10\0\x02"
                    "11\0\x02"
                    "12\0\x01"
                    "7\0\0",
            16));
    expectInStep();
}

TEST_F(ChannelEditorsTest, TypingStopsAtTheLengthButCodeDoesNot)
{
    TForm1& form = loaded();
    retype(named<QLineEdit>(form, "alp"), "25");
    QTest::keyClicks(named<QLineEdit>(form, "alp"), "51");
    EXPECT_EQ(named<QLineEdit>(form, "alp")->text(), "255");
    EXPECT_FALSE(named<QLineEdit>(form, "alp")->isReadOnly());
    // A selection is typed over, so the limit counts what stays.
    named<QLineEdit>(form, "alp")->setSelection(0, 1);
    QTest::keyClicks(named<QLineEdit>(form, "alp"), "1");
    EXPECT_EQ(named<QLineEdit>(form, "alp")->text(), "155");

    form.editors().write(*named<QLineEdit>(form, "alp"), "1000");
    EXPECT_EQ(named<QLineEdit>(form, "alp")->text(), "255");
    EXPECT_EQ(model().alpha(0), "255");
    expectInStep();

    retype(named<QLineEdit>(form, "hex"), "ABCDEF");
    QTest::keyClicks(named<QLineEdit>(form, "hex"), "1");
    EXPECT_EQ(named<QLineEdit>(form, "hex")->text(), "ABCDEF");
    QTest::keyClick(named<QLineEdit>(form, "hex"), Qt::Key_Backspace);
    EXPECT_EQ(named<QLineEdit>(form, "hex")->text(), "ABCDE");
}

TEST_F(ChannelEditorsTest, ARefusedCharacterLocksTheEditorUntilTheNextAllowedOne)
{
    TForm1& form = loaded();
    ASSERT_EQ(named<QLineEdit>(form, "re")->text(), "18");
    named<QLineEdit>(form, "re")->setCursorPosition(0);
    QTest::keyClick(named<QLineEdit>(form, "re"), 'x');
    EXPECT_TRUE(named<QLineEdit>(form, "re")->isReadOnly());
    QTest::keyClick(named<QLineEdit>(form, "re"), Qt::Key_Delete);
    EXPECT_EQ(named<QLineEdit>(form, "re")->text(), "18");
    QTest::keyClick(named<QLineEdit>(form, "re"), Qt::Key_Left); // moving about is no character
    EXPECT_TRUE(named<QLineEdit>(form, "re")->isReadOnly());

    QTest::keyClick(named<QLineEdit>(form, "re"), '2');
    EXPECT_FALSE(named<QLineEdit>(form, "re")->isReadOnly());
    EXPECT_EQ(named<QLineEdit>(form, "re")->text(), "218");
    QTest::keyClick(named<QLineEdit>(form, "re"), Qt::Key_Delete);
    EXPECT_EQ(named<QLineEdit>(form, "re")->text(), "28");
    expectInStep();

    // Codes from 128 up, control characters and a paste by keyboard are refused alike.
    for (QLineEdit* editor : {named<QLineEdit>(form, "ge"), named<QLineEdit>(form, "be"),
             named<QLineEdit>(form, "alp"), named<QLineEdit>(form, "hex")}) {
        SCOPED_TRACE(editor->objectName().toStdString());
        const QString before = editor->text();
        QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_Eacute, QString::fromUtf8("é"), {});
        EXPECT_TRUE(editor->isReadOnly());
        EXPECT_EQ(editor->text(), before);
        QTest::keyClick(editor, Qt::Key_Backspace);
        EXPECT_FALSE(editor->isReadOnly());
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_TRUE(editor->isReadOnly());
        QTest::keyClick(editor, '1');
        QApplication::clipboard()->setText("9");
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(editor->isReadOnly());
        EXPECT_FALSE(editor->text().contains('9'));
    }

    // Characters composed by an input method are judged alike.
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("ż"));
    QApplication::sendEvent(named<QLineEdit>(form, "be"), &composed);
    EXPECT_TRUE(named<QLineEdit>(form, "be")->isReadOnly());
    composed.setCommitString("5");
    QApplication::sendEvent(named<QLineEdit>(form, "be"), &composed);
    EXPECT_FALSE(named<QLineEdit>(form, "be")->isReadOnly());

    // Hex letters pass in hex alone.
    QTest::keyClicks(named<QLineEdit>(form, "hex"), "aF");
    EXPECT_FALSE(named<QLineEdit>(form, "hex")->isReadOnly());
    QTest::keyClick(named<QLineEdit>(form, "be"), 'a');
    EXPECT_TRUE(named<QLineEdit>(form, "be")->isReadOnly());
    QTest::keyClick(named<QLineEdit>(form, "hex"), 'g');
    EXPECT_TRUE(named<QLineEdit>(form, "hex")->isReadOnly());
}

TEST_F(ChannelEditorsTest, APastedTextThatIsNoIntegerShowsTheErrorAndStops)
{
    TForm1& form = loaded();
    const std::string file = workingFile();
    QApplication::clipboard()->setText("1a");
    named<QLineEdit>(form, "re")->selectAll();
    named<QLineEdit>(form, "re")->paste();
    EXPECT_EQ(messages.errors(), (std::vector<std::string> {testing::notAnInteger("1a")}));
    EXPECT_EQ(texts(), (std::array<QString, 5> {"1a", "52", "86", "123456", "200"}));
    EXPECT_EQ(model().colour(0), kColours[0]);
    EXPECT_EQ(workingFile(), file);

    // Another channel's rule meets it too, and stops at once: one error, nothing written.
    messages.clear();
    retype(named<QLineEdit>(form, "ge"), "7");
    EXPECT_EQ(messages.errors(), (std::vector<std::string> {testing::notAnInteger("1a")}));
    EXPECT_EQ(texts(), (std::array<QString, 5> {"1a", "7", "86", "123456", "200"}));
    EXPECT_EQ(workingFile(), file);

    // A pasted hex code with a pair that is not hexadecimal names that pair.
    messages.clear();
    QApplication::clipboard()->setText("12G456");
    named<QLineEdit>(form, "hex")->selectAll();
    named<QLineEdit>(form, "hex")->paste();
    EXPECT_EQ(messages.errors(), (std::vector<std::string> {testing::notAnInteger("$G4")}));
    EXPECT_EQ(named<QLineEdit>(form, "hex")->text(), "12G456");
}

TEST_F(ChannelEditorsTest, AlphaZeroIsStoredAndDrawsNothing)
{
    TForm1& form = loaded();
    retype(named<QLineEdit>(form, "alp"), "0");
    EXPECT_EQ(model().alpha(0), "0");
    EXPECT_EQ(qAlpha(form.preview().sample(0)->picture().pixel(5, 5)), 0);
    EXPECT_EQ(workingFile().substr(63, 2),
        "\x01"
        "0");
    expectInStep();
}

} // namespace
} // namespace tintabel::testing
