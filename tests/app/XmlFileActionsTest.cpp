#include "app/Languages.h"
#include "support/MainWindowFixture.h"
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
    // A file of the user's, outside the program folder.
    std::string userFile(std::string_view name, const std::string& text)
    {
        user.write(name, text);
        return (user / name).string();
    }

    void click(const char* control)
    {
        QTest::mouseClick(named<QWidget>(window(), control), Qt::LeftButton);
    }

    // "Load XML file", answering the open dialog with the path.
    void loadByHand(const std::string& path)
    {
        dialogs.queueAnswer(path);
        click("lsbt");
    }

    // What a click in a skin's list of colour files hands the reader.
    void loadFromSkin(const std::string& path)
    {
        TForm1& form = window();
        named<QPushButton>(form, "savebt")->setEnabled(true);
        named<QPushButton>(form, "sxmlbt")->setEnabled(true);
        form.source().docFileName = fs::path(path).filename().string();
        form.source().sourcePath = path;
        form.load(path);
    }

    void saveAs(const std::string& path)
    {
        dialogs.queueAnswer(path);
        click("savebt");
    }

    std::string workingCopy() { return program.read("temp/fm colours.xml"); }

    // The editors, the scheme buttons and "Save XML file as...", which a load opens together.
    bool editorsEnabled()
    {
        for (const char* control :
            {"plt", "re", "ge", "be", "alp", "hex", "sctbt", "loadbt", "savebt"})
            if (!named<QWidget>(window(), control)->isEnabled())
                return false;
        return true;
    }

    TempFolder user;
};

TEST_F(XmlFileActionsTest, LoadingByHandFillsTheSlotsSelectsTheFirstAndOpensTheEditors)
{
    TForm1& form = start();
    const std::string source = userFile("fm colours.xml", kTwoEntries);
    loadByHand(source);
    click("narb");
    ASSERT_EQ(form.slotModel().selected(), 1u);
    named<QListWidget>(form, "ListBox2")->addItem("fm colours.xml");
    form.slotModel().setColour(0, 0);
    fs::permissions(source, fs::perms::owner_read | fs::perms::group_read);
    program.write("dane.dat", "old");
    loadByHand(source);

    ASSERT_EQ(dialogs.asked().size(), 2u);
    EXPECT_EQ(dialogs.asked()[1].request.name, "od");
    EXPECT_EQ(dialogs.asked()[1].request.filter, "XML|*.xml");
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
    EXPECT_TRUE(named<QRadioButton>(form, "narb")->isEnabled());
    EXPECT_FALSE(named<QRadioButton>(form, "garb")->isEnabled());
    EXPECT_TRUE(editorsEnabled());
    EXPECT_FALSE(named<QPushButton>(form, "sxmlbt")->isEnabled());
    EXPECT_EQ(program.read("dane.dat"), WorkingColourFile::contents(form.slotModel()));
}

TEST_F(XmlFileActionsTest, CancellingTheOpenDialogLeavesTheResetAndNothingElse)
{
    TForm1& form = start();
    loadByHand(userFile("fm colours.xml", kTwoEntries));
    named<QListWidget>(form, "ListBox2")->addItem("fm colours.xml");
    dialogs.queueCancel();
    click("lsbt");

    EXPECT_EQ(named<QListWidget>(form, "ListBox2")->count(), 0);
    EXPECT_EQ(form.slotModel().colour(0), SlotModel::kWhite);
    EXPECT_FALSE(named<QRadioButton>(form, "larb")->isEnabled());
    EXPECT_FALSE(named<QLineEdit>(form, "re")->isEnabled());
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
    loadByHand(userFile(
        "other.xml", "<c><colour name=\"Low attribute\" red=\"1\" green=\"1\" blue=\"1\"/></c>"));

    EXPECT_EQ(messages.errors(), std::vector<std::string> {"Nieobsługiwany plik XML."});
    EXPECT_TRUE(named<QRadioButton>(form, "manrb")->isChecked());
    EXPECT_EQ(form.source().sourcePath, "");
    EXPECT_EQ(form.source().docFileName, "");
    EXPECT_FALSE(named<QRadioButton>(form, "larb")->isEnabled());
    EXPECT_FALSE(fs::exists(program / "temp/other.xml"));
}

// How the reader fails is its own business; the window shows the error and goes no further.
TEST_F(XmlFileActionsTest, AReadThatFailsKeepsWhatWasReadAndTheEditorsClosed)
{
    TForm1& form = start();
    loadByHand(userFile("fm colours.xml",
        "<c><colour name=\"low attribute\" red=\"1\" green=\"2\" blue=\"3\"/>"
        "<colour red=\"4\" green=\"5\" blue=\"6\"/></c>"));
    EXPECT_EQ(messages.errors(),
        std::vector<std::string> {"Could not convert variant of type (Null) into type (String)"});
    EXPECT_EQ(form.slotModel().colour(0), makeColour(1, 2, 3));
    EXPECT_TRUE(named<QRadioButton>(form, "larb")->isEnabled());
    EXPECT_FALSE(named<QLineEdit>(form, "re")->isEnabled());
    EXPECT_FALSE(named<QPushButton>(form, "savebt")->isEnabled());
    EXPECT_FALSE(fs::exists(program / "dane.dat"));
}

TEST_F(XmlFileActionsTest, SaveAsWritesTheSlotsIntoACopyOfTheLoadedDocument)
{
    TForm1& form = start();
    const std::string source = userFile("fm colours.xml", kTwoEntries);
    loadByHand(source);
    form.slotModel().setColour(1, makeColour(255, 0, 128));
    const std::string chosen = (user / "out/mine.xml").string();
    fs::create_directories(user / "out");
    dialogs.queueCancel();
    click("savebt");
    EXPECT_EQ(workingCopy(), kTwoEntries);
    EXPECT_FALSE(fs::exists(chosen));
    saveAs(chosen);

    ASSERT_EQ(dialogs.asked().size(), 3u);
    const FileDialogRequest& asked = dialogs.asked()[2].request;
    EXPECT_EQ(asked.name, "sv");
    EXPECT_EQ(asked.filter, "XML files|*.xml");
    EXPECT_EQ(asked.defaultExtension, "xml");
    EXPECT_EQ(asked.initialFileName, "fm colours.xml");
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
    const std::string source = userFile("fm colours.xml", kTwoEntries);
    loadFromSkin(source);
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
    saveAs(old);
    click("sxmlbt");
    EXPECT_EQ(readBytes(old), "old");
    EXPECT_EQ(readBytes(source), saved);
    // The errors name the file and the reason, and no success follows them.
    EXPECT_EQ(messages.errors(),
        (std::vector<std::string> {"Cannot create file \"" + old + "\". File access denied",
            "Cannot create file \"" + source + "\". File access denied"}));
    EXPECT_EQ(messages.shown().size(), 2u);
}

} // namespace
} // namespace tintabel::testing
