#include "editor/ChannelEditors.h"
#include "editor/ColourSwatch.h"
#include "support/MainWindowFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

namespace tintabel::testing {
namespace {

// The state a reset decides, in one comparable value.
struct ResetState {
    std::vector<QString> editorTexts;
    std::vector<bool> enabled;
    std::vector<std::uint32_t> colours;
    std::vector<std::string> alphas;
    std::size_t selected;
    std::string sourcePath;
    std::string docFileName;
    std::string lastOpenedXml;
    bool operator==(const ResetState&) const = default;
};

ResetState stateOf(TForm1& form)
{
    ResetState state {};
    for (QLineEdit* editor :
        {named<QLineEdit>(form, "re"), named<QLineEdit>(form, "ge"), named<QLineEdit>(form, "be"),
            named<QLineEdit>(form, "hex"), named<QLineEdit>(form, "alp")})
        state.editorTexts.push_back(editor->text());
    for (QWidget* control : std::initializer_list<QWidget*> {named<QPushButton>(form, "plt"),
             named<QLineEdit>(form, "re"), named<QLineEdit>(form, "ge"),
             named<QLineEdit>(form, "be"), named<QLineEdit>(form, "alp"),
             named<QLineEdit>(form, "hex"), named<QPushButton>(form, "sctbt"),
             named<QPushButton>(form, "loadbt")})
        state.enabled.push_back(control->isEnabled());
    state.colours.push_back(named<ColourSwatch>(form, "clr")->colour());
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        state.enabled.push_back(
            named<QRadioButton>(form, kColourSlots[i].radioButton)->isEnabled());
        state.colours.push_back(named<ColourSwatch>(form, kColourSlots[i].swatch)->colour());
        state.alphas.push_back(form.slotModel().alpha(i));
    }
    state.selected = form.slotModel().selected();
    state.sourcePath = form.source().sourcePath;
    state.docFileName = form.source().docFileName;
    state.lastOpenedXml = form.source().lastOpenedXml;
    return state;
}

// What a loaded document leaves behind: enabled editors, coloured slots, another slot selected.
void loadSomething(TForm1& form)
{
    for (QWidget* control : std::initializer_list<QWidget*> {named<QPushButton>(form, "plt"),
             named<QLineEdit>(form, "re"), named<QLineEdit>(form, "ge"),
             named<QLineEdit>(form, "be"), named<QLineEdit>(form, "alp"),
             named<QLineEdit>(form, "hex"), named<QPushButton>(form, "sctbt"),
             named<QPushButton>(form, "loadbt"), named<QPushButton>(form, "savebt")})
        control->setEnabled(true);
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        form.slotModel().setColour(i, 0x102030 + static_cast<std::uint32_t>(i));
        form.slotModel().setAlpha(i, std::to_string(100 + i));
        form.slotModel().setAvailable(i, true);
    }
    form.slotModel().select(3);
    named<QLineEdit>(form, "re")->setText("16");
    named<QLineEdit>(form, "ge")->setText("32");
    named<QLineEdit>(form, "be")->setText("48");
    named<QLineEdit>(form, "hex")->setText("102030");
    named<QLineEdit>(form, "alp")->setText("103");
    named<ColourSwatch>(form, "clr")->setColour(0x302010);
    form.source().sourcePath = "/skins/a/settings/fm colours.xml";
    form.source().docFileName = "fm colours.xml";
    form.source().lastOpenedXml = "/skins/a/settings/fm colours.xml";
}

TEST_F(MainWindowFixture, UnloadReturnsSlotsAndEditorsToTheirStartState)
{
    TForm1& form = start();
    const ResetState fresh = stateOf(form);
    loadSomething(form);
    form.unload();
    ResetState afterReset = stateOf(form);

    // The alpha stores and the selection are not the reset's business, but writing "255" into
    // the alpha editor runs its rule, which puts it into the selected slot's store.
    ResetState expected = fresh;
    expected.alphas = afterReset.alphas;
    expected.selected = 3;
    EXPECT_EQ(afterReset, expected);
    EXPECT_EQ(afterReset.alphas[3], "255");
    EXPECT_EQ(afterReset.alphas[2], "102");
    EXPECT_FALSE(named<QPushButton>(form, "savebt")->isEnabled());
    EXPECT_TRUE(named<QRadioButton>(form, "earb")->isChecked());

    form.unload();
    EXPECT_EQ(stateOf(form), afterReset);
}

TEST_F(MainWindowFixture, UnloadRunsTheEditorsRulesOnlyForTextsItChanges)
{
    TForm1& form = start();
    loadSomething(form);
    named<QLineEdit>(form, "re")->setText("0");
    named<QLineEdit>(form, "alp")->setText("7");
    using Changes = std::vector<std::pair<std::string, QString>>;
    Changes changes;
    for (QLineEdit* editor :
        {named<QLineEdit>(form, "re"), named<QLineEdit>(form, "ge"), named<QLineEdit>(form, "be"),
            named<QLineEdit>(form, "hex"), named<QLineEdit>(form, "alp")}) {
        QObject::connect(
            editor, &QLineEdit::textChanged, editor, [&changes, editor](const QString& text) {
                changes.emplace_back(editor->objectName().toStdString(), text);
            });
    }
    // The spies hear of each write after the rules it ran, so a nested write comes first.
    form.unload();
    const Changes expected {{"hex", "000030"}, {"ge", "0"}, {"hex", "000000"}, {"be", "0"},
        {"hex", ""}, {"alp", "255"}};
    EXPECT_EQ(changes, expected);

    // A text from code reaches the rules whole, however long: the alpha rule sees all of "1000"
    // and clamps it, and a spy connected after the rule hears of the clamped text first.
    changes.clear();
    named<QLineEdit>(form, "alp")->setText("1000");
    EXPECT_EQ(named<QLineEdit>(form, "alp")->text(), "255");
    EXPECT_EQ(changes, (Changes {{"alp", "255"}, {"alp", "1000"}}));
    // An unchanged text runs no rule.
    changes.clear();
    named<QLineEdit>(form, "hex")->setText("FF00801");
    named<QLineEdit>(form, "hex")->setText("FF00801");
    EXPECT_EQ(changes, (Changes {{"hex", "FF00801"}}));
    EXPECT_EQ(named<QLineEdit>(form, "hex")->text(), "FF00801");
}

TEST_F(MainWindowFixture, DataWritesTheWorkingFileBesideTheProgram)
{
    TForm1& form = start();
    form.slotModel().setColour(0, 0x800000);
    form.slotModel().setAlpha(0, "7");
    form.data();
    EXPECT_EQ(form.workingFile().path(), programFolder() + "dane.dat");
    const std::string bytes = program.read("dane.dat");
    ASSERT_EQ(bytes.size(), 536u);
    EXPECT_EQ(bytes.substr(51, 16),
        std::string("\x01"
                    "0\0\0\x01"
                    "0\0\0\x03"
                    "128\x01"
                    "7\0\0",
            16));
}

} // namespace
} // namespace tintabel::testing
