#include "app/Languages.h"
#include "support/MainWindowFixture.h"
#include "support/XmlTestDocuments.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

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
    EXPECT_EQ(form.slotModel().alpha(1), "70");
    EXPECT_EQ(form.slotModel().selected(), 0u);
    EXPECT_TRUE(named<QRadioButton>(form, "larb")->isChecked());
    EXPECT_EQ(named<QLineEdit>(form, "re")->text(), "10");
    EXPECT_EQ(enabled(),
        (std::vector<std::string> {
            "plt", "re", "ge", "be", "alp", "hex", "sctbt", "loadbt", "savebt", "larb", "narb"}));
    EXPECT_EQ(readBytes(stateFolder() + "dane.dat"), WorkingColourFile::contents(form.slotModel()));

    // Cancelling the dialog leaves the reset and nothing else.
    named<QListWidget>(form, "ListBox2")->addItem("fm colours.xml");
    clickAnswering("lsbt", std::nullopt);
    EXPECT_EQ(named<QListWidget>(form, "ListBox2")->count(), 0);
    EXPECT_EQ(form.slotModel().colour(0), SlotModel::kWhite);
    EXPECT_EQ(enabled(), std::vector<std::string> {"savebt"});
    EXPECT_EQ(form.source().sourcePath, "");
    EXPECT_TRUE(messages.shown().empty());
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
    EXPECT_EQ(form.source().docFileName, "");
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
    // What a click in a skin's list of colour files does.
    const std::string source = userFile("fm colours.xml", kTwoEntries);
    for (const char* button : {"savebt", "sxmlbt"})
        named<QPushButton>(form, button)->setEnabled(true);
    form.source().docFileName = "fm colours.xml";
    form.source().sourcePath = source;
    form.load(source);
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

} // namespace
} // namespace tintabel::testing
