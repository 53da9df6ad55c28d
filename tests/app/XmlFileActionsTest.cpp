#include "app/Languages.h"
#include "colours/ColourSlot.h"
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

    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    // "Load XML file", answering the open dialog with the path.
    void loadByHand(const std::string& path)
    {
        dialogs.queueAnswer(path);
        click(named<QPushButton>(window(), "lsbt"));
    }

    // What a click in a skin's list of colour files hands the reader.
    void loadFromSkin(const std::string& path)
    {
        TForm1& form = window();
        form.unload();
        named<QPushButton>(form, "savebt")->setEnabled(true);
        named<QPushButton>(form, "sxmlbt")->setEnabled(true);
        form.source().docFileName = fs::path(path).filename().string();
        form.source().sourcePath = path;
        form.load(path);
    }

    void saveAs(const std::string& path)
    {
        dialogs.queueAnswer(path);
        click(named<QPushButton>(window(), "savebt"));
    }

    std::string workingCopy() { return readBytes(window().folders().temp + "/fm colours.xml"); }

    bool editorsEnabled()
    {
        TForm1& form = window();
        for (QWidget* control : std::initializer_list<QWidget*> {named<QPushButton>(form, "plt"),
                 named<QLineEdit>(form, "re"), named<QLineEdit>(form, "be"),
                 named<QLineEdit>(form, "ge"), named<QLineEdit>(form, "alp"),
                 named<QLineEdit>(form, "hex"), named<QPushButton>(form, "sctbt"),
                 named<QPushButton>(form, "loadbt"), named<QPushButton>(form, "savebt")}) {
            if (!control->isEnabled())
                return false;
        }
        return true;
    }

    TempFolder user;
};

TEST_F(XmlFileActionsTest, LoadingByHandFillsTheSlotsAndOpensTheEditors)
{
    TForm1& form = start();
    named<QListWidget>(form, "ListBox2")->addItem("fm colours.xml");
    const std::string source = userFile("fm colours.xml", kTwoEntries);
    fs::permissions(source, fs::perms::owner_read | fs::perms::group_read);
    loadByHand(source);

    // A read-only skin file could not be saved over.
    EXPECT_NE(fs::status(source).permissions() & fs::perms::owner_write, fs::perms::none);
    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(dialogs.asked()[0].request.name, "od");
    EXPECT_EQ(dialogs.asked()[0].request.filter, "XML|*.xml");
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(form.source().sourcePath, source);
    EXPECT_EQ(form.source().docFileName, "fm colours.xml");
    EXPECT_EQ(workingCopy(), kTwoEntries);
    EXPECT_EQ(named<QListWidget>(form, "ListBox2")->count(), 0);

    EXPECT_EQ(form.slotModel().colour(0), makeColour(10, 20, 30));
    EXPECT_EQ(form.slotModel().alpha(1), "70");
    EXPECT_TRUE(named<QRadioButton>(form, "larb")->isEnabled());
    EXPECT_TRUE(named<QRadioButton>(form, "narb")->isEnabled());
    EXPECT_FALSE(named<QRadioButton>(form, "garb")->isEnabled());
    EXPECT_TRUE(editorsEnabled());
    EXPECT_FALSE(named<QPushButton>(form, "sxmlbt")->isEnabled());
    EXPECT_EQ(readBytes(stateFolder() + "dane.dat").size(), 536u);
}

TEST_F(XmlFileActionsTest, LoadingByHandSelectsTheFirstSlotAndKeepsTheOthersValues)
{
    TForm1& form = start();
    const std::string source = userFile("fm colours.xml", kTwoEntries);
    loadFromSkin(source);
    click(named<QRadioButton>(form, "narb"));
    ASSERT_EQ(form.slotModel().selected(), 1u);

    loadByHand(source);
    EXPECT_EQ(form.slotModel().selected(), 0u);
    EXPECT_TRUE(named<QRadioButton>(form, "larb")->isChecked());
    EXPECT_EQ(form.slotModel().colour(1), makeColour(40, 50, 60));
    EXPECT_EQ(form.slotModel().alpha(1), "70");
}

TEST_F(XmlFileActionsTest, CancellingTheOpenDialogLeavesTheResetAndNothingElse)
{
    TForm1& form = start();
    loadByHand(userFile("fm colours.xml", kTwoEntries));
    named<QListWidget>(form, "ListBox2")->addItem("fm colours.xml");
    dialogs.queueCancel();
    click(named<QPushButton>(form, "lsbt"));

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
    loadByHand(userFile("other.xml",
        "<c><colour name=\"Low attribute\" red=\"1\" green=\"1\" "
        "blue=\"1\"/></c>"));

    EXPECT_EQ(messages.errors(), std::vector<std::string> {"Nieobsługiwany plik XML."});
    EXPECT_TRUE(named<QRadioButton>(form, "manrb")->isChecked());
    EXPECT_EQ(form.source().sourcePath, "");
    EXPECT_EQ(form.source().docFileName, "");
    EXPECT_FALSE(named<QRadioButton>(form, "larb")->isEnabled());
    EXPECT_FALSE(fs::exists(form.folders().temp + "/other.xml"));
}

TEST_F(XmlFileActionsTest, AFileThatIsNotWellFormedShowsTheParsersMessage)
{
    TForm1& form = start();
    loadByHand(userFile("broken.xml", "<c>\n<colour name=\"low attribute\">\n</c>\n"));
    ASSERT_EQ(messages.errors().size(), 1u);
    EXPECT_NE(messages.errors()[0].find("\nLine: 3\n</c>"), std::string::npos)
        << messages.errors()[0];
    EXPECT_EQ(form.source().sourcePath, "");
    EXPECT_FALSE(editorsEnabled());
}

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
    EXPECT_FALSE(fs::exists(stateFolder() + "dane.dat"));
}

TEST_F(XmlFileActionsTest, ASourceThatCannotBeCopiedIsNamedAndTheOlderCopyIsNotRead)
{
    TForm1& form = start();
    writeBytes(form.folders().temp + "/fm colours.xml", kTwoEntries);
    const std::string source = userFile("fm colours.xml",
        replaced(kTwoEntries, "red=\"10\" green=\"20\" blue=\"30\"",
            "red=\"1\" green=\"2\" blue=\"3\""));
    files.refuseWrites(form.folders().temp + "\\fm colours.xml");
    loadByHand(source);

    ASSERT_EQ(messages.errors().size(), 1u);
    EXPECT_TRUE(messages.errors()[0].starts_with("Cannot load \"" + source + "\". "))
        << messages.errors()[0];
    EXPECT_FALSE(named<QRadioButton>(form, "larb")->isEnabled());
    EXPECT_EQ(form.slotModel().colour(0), SlotModel::kWhite);
    EXPECT_FALSE(editorsEnabled());
}

TEST_F(XmlFileActionsTest, SaveAsWritesTheSlotsIntoACopyOfTheLoadedDocument)
{
    TForm1& form = start();
    const std::string source = userFile("fm colours.xml", kTwoEntries);
    loadByHand(source);
    form.slotModel().setColour(1, makeColour(255, 0, 128));
    form.slotModel().setAlpha(0, "1000");
    const std::string chosen = (user / "out/mine.xml").string();
    fs::create_directories(user / "out");
    saveAs(chosen);

    ASSERT_EQ(dialogs.asked().size(), 2u);
    const FileDialogRequest& asked = dialogs.asked()[1].request;
    EXPECT_EQ(asked.name, "sv");
    EXPECT_EQ(asked.filter, "XML files|*.xml");
    EXPECT_EQ(asked.defaultExtension, "xml");
    EXPECT_EQ(asked.initialFileName, "fm colours.xml");

    std::string expected = replaced(kTwoEntries, "blue=\"30\"", "blue=\"30\" alpha=\"1000\"");
    expected = replaced(
        expected, "red=\"40\" green=\"50\" blue=\"60\"", "red=\"255\" green=\"0\" blue=\"128\"");
    EXPECT_EQ(readBytes(chosen), expected);
    EXPECT_EQ(workingCopy(), expected);
    EXPECT_EQ(readBytes(source), kTwoEntries);
    EXPECT_TRUE(messages.shown().empty());

    saveAs(chosen);
    EXPECT_EQ(readBytes(chosen), expected);
}

TEST_F(XmlFileActionsTest, CancellingTheSaveDialogWritesNothing)
{
    TForm1& form = start();
    const std::string source = userFile("fm colours.xml", kTwoEntries);
    loadByHand(source);
    form.slotModel().setColour(0, makeColour(1, 1, 1));
    dialogs.queueCancel();
    click(named<QPushButton>(form, "savebt"));
    EXPECT_EQ(workingCopy(), kTwoEntries);
    EXPECT_EQ(readBytes(source), kTwoEntries);
    EXPECT_EQ(std::distance(fs::directory_iterator(user.path()), fs::directory_iterator()), 1);
}

TEST_F(XmlFileActionsTest, SaveToSkinReplacesTheSkinsFileAndSaysSo)
{
    registry.writeString(RegistryRoot::LocalMachine, Languages::kKey, "lang", "Polish");
    TForm1& form = start();
    const std::string source = userFile("fm colours.xml", kTwoEntries);
    loadFromSkin(source);
    form.slotModel().setColour(0, makeColour(11, 20, 30));
    click(named<QPushButton>(form, "sxmlbt"));

    EXPECT_EQ(readBytes(source),
        replaced(kTwoEntries, "red=\"10\" green=\"20\" blue=\"30\"",
            "red=\"11\" green=\"20\" blue=\"30\" alpha=\"255\""));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, ScriptedMessageBoxes::Kind::Information);
    EXPECT_EQ(messages.shown()[0].text, "Kolory zostały zapisane poprawnie!");
}

TEST_F(XmlFileActionsTest, ARefusedSaveKeepsTheOldFileAndShowsWhereAndWhy)
{
    TForm1& form = start();
    const std::string source = userFile("fm colours.xml", kTwoEntries);
    loadFromSkin(source);
    form.slotModel().setColour(0, makeColour(1, 1, 1));
    const std::string old = userFile("locked/mine.xml", "old");
    files.refuseWrites((user / "locked").string());
    files.refuseWrites(source);

    saveAs(old);
    click(named<QPushButton>(form, "sxmlbt"));
    EXPECT_EQ(readBytes(old), "old");
    EXPECT_EQ(readBytes(source), kTwoEntries);
    EXPECT_EQ(messages.errors(),
        (std::vector<std::string> {"Cannot create file \"" + old + "\". File access denied",
            "Cannot create file \"" + source + "\". File access denied"}));
    EXPECT_EQ(messages.shown().size(), 2u);
}

TEST_F(XmlFileActionsTest, SavingOverAFolderShowsWhyAndLeavesTheFolder)
{
    start();
    loadByHand(userFile("fm colours.xml", kTwoEntries));
    userFile("taken.xml/inside.txt", "kept");
    const std::string folder = (user / "taken.xml").string();
    saveAs(folder);
    ASSERT_EQ(messages.errors().size(), 1u);
    EXPECT_TRUE(messages.errors()[0].starts_with("Cannot create file \"" + folder + "\". "))
        << messages.errors()[0];
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(user.read("taken.xml/inside.txt"), "kept");
}

} // namespace
} // namespace tintabel::testing
