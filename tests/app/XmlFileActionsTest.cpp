#include "app/Languages.h"
#include "support/EditorsFixture.h"
#include "support/XmlTestDocuments.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>

namespace tintabel::testing {
namespace {

namespace fs = std::filesystem;

const std::string kTwoEntries
    = "<?xml version=\"1.0\"?>\n<colours>\n"
      "  <colour name=\"low attribute\" red=\"10\" green=\"20\" blue=\"30\"/>\n"
      "  <colour name=\"normal attribute\" red=\"40\" green=\"50\" blue=\"60\" alpha=\"70\"/>\n"
      "</colours>\n";

class XmlFileActionsTest : public MainWindowFixture {
protected:
    std::string workingCopy() { return readBytes(window().folders().temp + "/fm colours.xml"); }
    std::vector<std::string> enabled()
    {
        return enabledOf({"plt", "re", "ge", "be", "alp", "hex", "sctbt", "loadbt", "savebt",
            "sxmlbt", "larb", "narb", "garb"});
    }
};

TEST_F(XmlFileActionsTest, LoadingByHandFillsTheSlotsSelectsTheFirstAndOpensTheEditors)
{
    TForm1& form = start();
    const std::string source = userFile("fm colours.xml", kTwoEntries);
    clickAnswering("lsbt", source);
    click("narb");
    named<QListWidget>(form, "ListBox2")->addItem("fm colours.xml");
    form.slotModel().setColour(0, 0);
    fs::permissions(source, fs::perms::owner_read | fs::perms::group_read);
    writeBytes(stateFolder() + "dane.dat", "old");
    clickAnswering("lsbt", source);

    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(form.source().sourcePath, source);
    EXPECT_EQ(form.source().lastOpenedXml, source);
    EXPECT_EQ(form.source().docFileName, "fm colours.xml");
    EXPECT_EQ(workingCopy(), kTwoEntries);
    // A read-only skin file could not be saved over.
    EXPECT_NE(fs::status(source).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(named<QListWidget>(form, "ListBox2")->count(), 0);
    EXPECT_EQ(form.slotModel().colour(0), makeColour(10, 20, 30));
    EXPECT_TRUE(named<QRadioButton>(form, "larb")->isChecked());
    EXPECT_EQ(named<QLineEdit>(form, "re")->text(), "10");
    EXPECT_EQ(enabled(),
        (std::vector<std::string> {
            "plt", "re", "ge", "be", "alp", "hex", "sctbt", "loadbt", "savebt", "larb", "narb"}));
    EXPECT_EQ(readBytes(stateFolder() + "dane.dat"), WorkingColourFile::contents(form.slotModel()));
}

TEST_F(XmlFileActionsTest, AFileThatIsNoColourDocumentIsRefusedInTheCurrentLanguage)
{
    registry.writeString(RegistryRoot::LocalMachine, Languages::kKey, "lang", "Polish");
    TForm1& form = start();
    named<QRadioButton>(form, "skinrb")->setEnabled(true);
    named<QRadioButton>(form, "skinrb")->setChecked(true);
    // The skin mode turns loading by hand off; a scan that fails on a broken skin leaves it on.
    named<QPushButton>(form, "lsbt")->setEnabled(true);
    clickAnswering("lsbt",
        userFile("other.xml",
            "<c><colour name=\"Low attribute\" red=\"1\" green=\"1\" blue=\"1\"/></c>"));
    EXPECT_EQ(messages.errors(), std::vector<std::string> {"Nieobsługiwany plik XML."});
    EXPECT_TRUE(named<QRadioButton>(form, "manrb")->isChecked());
    EXPECT_EQ(form.source().sourcePath, "");
    EXPECT_TRUE(enabled().empty());
    EXPECT_FALSE(fs::exists(form.folders().temp + "/other.xml"));
}

// How the reader fails is its own business; the window shows the error and goes no further.
TEST_F(XmlFileActionsTest, AReadThatFailsKeepsWhatWasReadAndTheEditorsClosed)
{
    TForm1& form = start();
    clickAnswering("lsbt",
        userFile("fm colours.xml",
            "<c><colour name=\"low attribute\" red=\"1\" green=\"2\" blue=\"3\"/><colour/></c>"));
    EXPECT_EQ(messages.errors(),
        std::vector<std::string> {"Could not convert variant of type (Null) into type (String)"});
    EXPECT_EQ(form.slotModel().colour(0), makeColour(1, 2, 3));
    EXPECT_EQ(enabled(), std::vector<std::string> {"larb"});
    EXPECT_FALSE(fs::exists(stateFolder() + "dane.dat"));
}

TEST_F(XmlFileActionsTest, SaveAsWritesTheSlotsIntoACopyOfTheLoadedDocument)
{
    TForm1& form = start();
    const std::string source = userFile("fm colours.xml", kTwoEntries);
    clickAnswering("lsbt", source);
    form.slotModel().setColour(1, makeColour(255, 0, 128));
    const std::string chosen = (user / "out/mine.xml").string();
    fs::create_directories(user / "out");
    clickAnswering("savebt", std::nullopt);
    EXPECT_EQ(workingCopy(), kTwoEntries);
    EXPECT_FALSE(fs::exists(chosen));
    clickAnswering("savebt", chosen);

    EXPECT_EQ(dialogs.asked()[2].request.initialFileName, "fm colours.xml");
    // The entry without an alpha gets the slot's.
    std::string expected = replaced(kTwoEntries, "blue=\"30\"", "blue=\"30\" alpha=\"255\"");
    expected = replaced(
        expected, "red=\"40\" green=\"50\" blue=\"60\"", "red=\"255\" green=\"0\" blue=\"128\"");
    EXPECT_EQ(readBytes(chosen), expected);
    EXPECT_EQ(workingCopy(), expected);
    EXPECT_EQ(readBytes(source), kTwoEntries);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(XmlFileActionsTest, SaveToSkinReplacesTheSkinsFileAndSaysSoButARefusedSaveKeepsTheOldFile)
{
    TForm1& form = start();
    // Loaded by hand, with the button a load from a skin turns on.
    const std::string source = userFile("fm colours.xml", kTwoEntries);
    clickAnswering("lsbt", source);
    named<QPushButton>(form, "sxmlbt")->setEnabled(true);
    form.slotModel().setColour(0, makeColour(11, 20, 30));
    click("sxmlbt");
    const std::string saved = replaced(kTwoEntries, "red=\"10\" green=\"20\" blue=\"30\"",
        "red=\"11\" green=\"20\" blue=\"30\" alpha=\"255\"");
    EXPECT_EQ(readBytes(source), saved);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, ScriptedMessageBoxes::Kind::Information);
    EXPECT_EQ(messages.shown()[0].text, "Colours have been saved correctly!");

    messages.clear();
    form.slotModel().setColour(0, makeColour(1, 1, 1));
    const std::string old = userFile("locked/mine.xml", "old");
    files.refuseWrites((user / "locked").string());
    files.refuseWrites(source);
    clickAnswering("savebt", old);
    click("sxmlbt");
    EXPECT_EQ(readBytes(old), "old");
    EXPECT_EQ(readBytes(source), saved);
    // The errors name the file and the reason, and no success follows them.
    EXPECT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.errors(),
        (std::vector<std::string> {"Cannot create file \"" + old + "\". File access denied",
            "Cannot create file \"" + source + "\". File access denied"}));
}

using UnloadTest = EditorsFixture;

TEST_F(UnloadTest, ReturnsSourceSlotsAndEditorsToTheirStartState)
{
    TForm1& form = loaded();
    named<QPushButton>(form, "savebt")->setEnabled(true);
    form.selectSlot(3);
    form.source() = {.docFileName = "a.xml", .sourcePath = "/s/a.xml", .lastOpenedXml = "/s/a.xml"};
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        // The second time the editors show their start texts already: no rule runs to write
        // this alpha over.
        if (round == 1)
            model().setAlpha(3, "7");
        form.unload();
        EXPECT_EQ(texts(), (std::array<QString, 5> {"0", "0", "0", "", "255"}));
        for (const char* control : {"re", "ge", "be", "alp", "hex", "plt", "sctbt", "loadbt"})
            EXPECT_FALSE(named<QWidget>(form, control)->isEnabled()) << control;
        EXPECT_EQ(named<ColourSwatch>(form, "clr")->colour(), 0xFFFFFFu);
        for (std::size_t index = 0; index < kSlotCount; ++index) {
            EXPECT_FALSE(named<QRadioButton>(form, kColourSlots[index].radioButton)->isEnabled());
            EXPECT_EQ(named<ColourSwatch>(form, kColourSlots[index].swatch)->colour(), 0xFFFFFFu);
        }
        EXPECT_EQ(
            form.source().sourcePath + form.source().docFileName + form.source().lastOpenedXml, "");
        // The selection is not its business; the editors' rules write the alpha they reset into
        // the selected slot; nothing unloaded can be saved.
        EXPECT_TRUE(named<QRadioButton>(form, "earb")->isChecked());
        EXPECT_EQ(model().alpha(3), round == 0 ? "255" : "7");
        EXPECT_EQ(model().alpha(2), "128");
        EXPECT_FALSE(named<QPushButton>(form, "savebt")->isEnabled());
    }
}

struct Encoding {
    const char* name;
    QStringConverter::Encoding qt;
    bool byteOrderMark;
    const char* declared;
};

// Colour documents as Windows tools save them: a save after a load changes only the red typed
// in. The writer keeps the bytes; the window must hand it the document as it was loaded.
class EncodedSaveTest : public MainWindowFixture, public ::testing::WithParamInterface<Encoding> {
protected:
    static std::string document(std::string_view red)
    {
        const std::string text = std::string("<?xml version=\"1.0\" encoding=\"")
            + GetParam().declared + "\"?>\r\n\r\n<!-- Steel, by Tom\u00E1s: caf\u00E9 -->\r\n\r\n"
            + "<colours>\r\n\t<colour name=\"low attribute\" red=\"" + std::string(red)
            + "\" green=\"51\" blue=\"51\" alpha=\"255\"/>\r\n"
              "\t<colour name='normal attribute' red='72' green='76' blue='82' alpha='255'/>\r\n"
              "</colours>\r\n";
        return encoded(text, GetParam().qt, GetParam().byteOrderMark);
    }
};

TEST_P(EncodedSaveTest, SaveAsAfterALoadByHand)
{
    TForm1& form = start();
    clickAnswering("lsbt", userFile("steel colours.xml", document("204")));
    named<QLineEdit>(form, "re")->selectAll();
    QTest::keyClicks(named<QLineEdit>(form, "re"), "10");
    clickAnswering("savebt", (user / "saved.xml").string());
    EXPECT_EQ(messages.errors(), std::vector<std::string> {});
    EXPECT_EQ(user.read("saved.xml"), document("10"));
}

INSTANTIATE_TEST_SUITE_P(WindowsEncodings, EncodedSaveTest,
    ::testing::Values(Encoding {"Utf8Bom", QStringConverter::Utf8, true, "UTF-8"},
        Encoding {"Latin1", QStringConverter::Latin1, false, "ISO-8859-1"},
        Encoding {"Utf16Le", QStringConverter::Utf16LE, true, "UTF-16"},
        Encoding {"Utf32Be", QStringConverter::Utf32BE, true, "UTF-32"}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace tintabel::testing
