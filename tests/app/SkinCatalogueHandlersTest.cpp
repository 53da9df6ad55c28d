#include "app/SkinCatalogueHandlers.h"

#include "UserFolderFixture.h"
#include "editor/PreviewSample.h"
#include "editor/PreviewSamples.h"
#include "platform/Errors.h"
#include "platform/XmlDocument.h"
#include "support/ErrorText.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>

namespace tintabel::testing {
namespace {

namespace fs = std::filesystem;

const QColor kGrey(0xF5, 0xF5, 0xF5);

std::vector<QString> withStandardSkins(std::vector<QString> skins)
{
    skins.insert(skins.end(), {"FM 2009- standard", "FM 2008- standard"});
    return skins;
}

// A window over an FM user folder found through the game's location file.
class SkinCatalogueHandlersTest : public UserFolderFixture {
protected:
    SkinCatalogueHandlersTest() { locateGameFolder(fm.path().string()); }

    void click(const char* control)
    {
        QTest::mouseClick(named<QWidget>(window(), control), Qt::LeftButton);
    }
    QListWidget& list(const char* name) { return *named<QListWidget>(window(), name); }
    QColor listColour() { return list("lista1").palette().color(QPalette::Base); }
    void pick(const QString& skin) { clickLine(list("lista1"), skin); }
    // The controls of the two loading modes, in one comparable list: lsbt, lista1, savebt,
    // sxmlbt, re.
    std::vector<bool> enabled()
    {
        std::vector<bool> result;
        for (const char* control : {"lsbt", "lista1", "savebt", "sxmlbt", "re"})
            result.push_back(named<QWidget>(window(), control)->isEnabled());
        return result;
    }

    TempFolder fm;
};

TEST_F(SkinCatalogueHandlersTest, SkinModeListsTheSkinsAndTheStandardOnesAndManualModeEmptiesIt)
{
    addSkin(fm.path(), "Alpha", "Alpha");
    addSkin(fm.path(), "Beta", "Beta [by Tom]");
    TForm1& form = startInSkinMode();
    EXPECT_EQ(lines(list("lista1")), withStandardSkins({"Beta ", "Alpha"}));
    EXPECT_TRUE(list("lista1").selectedItems().empty());
    EXPECT_EQ(form.catalogue().skinsFolder(), fm.withSlash() + "skins/");
    EXPECT_EQ(enabled(), (std::vector<bool> {false, true, false, false, false}));
    EXPECT_EQ(listColour(), QApplication::palette(&list("lista1")).color(QPalette::Base));
    EXPECT_NE(listColour(), kGrey);

    click("manrb");
    EXPECT_TRUE(lines(list("lista1")).empty());
    EXPECT_EQ(enabled(), (std::vector<bool> {true, false, false, false, false}));
    EXPECT_EQ(listColour(), kGrey);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(SkinCatalogueHandlersTest, AnUnreadableDescriptionEndsTheScanWithTheParsersMessage)
{
    addSkin(fm.path(), "Alpha", "Alpha");
    fm.write("skins/Beta/Beta.xml", "<skin><string id=\"name\" value=\"Beta\"></skin>");
    const std::string parserMessage = errorText<XmlError>(
        [&] { XmlDocument::load(files, fm.withSlash() + "skins/Beta/Beta.xml"); });
    startInSkinMode();
    EXPECT_EQ(messages.errors(), std::vector<std::string> {parserMessage});
    EXPECT_TRUE(lines(list("lista1")).empty());
    // The window stays as it was at the start, where the empty skins list is not disabled.
    EXPECT_EQ(enabled(), (std::vector<bool> {true, true, false, false, false}));
}

TEST_F(SkinCatalogueHandlersTest, TheScanLetsTheWindowAnswerAndGivesWayToManualLoading)
{
    addSkin(fm.path(), "Alpha", "Alpha");
    addSkin(fm.path(), "Beta", "Beta");
    int turns = 0;
    services.processEvents = [&] {
        if (++turns == 1)
            click("manrb");
    };
    startInSkinMode();
    EXPECT_EQ(turns, 2);
    // The user went back to loading by hand while the skins were read: that choice stands.
    EXPECT_TRUE(named<QRadioButton>(window(), "manrb")->isChecked());
    EXPECT_TRUE(lines(list("lista1")).empty());
    EXPECT_EQ(enabled(), (std::vector<bool> {true, false, false, false, false}));
    EXPECT_EQ(listColour(), kGrey);

    click("skinrb");
    EXPECT_EQ(lines(list("lista1")), withStandardSkins({"Beta", "Alpha"}));
}

TEST_F(SkinCatalogueHandlersTest, TheStandardSkinIsSetUpFromTheTemplatesWhenPicked)
{
    TForm1& form = startInSkinMode();
    EXPECT_EQ(lines(list("lista1")), withStandardSkins({}));
    pick("FM 2008- standard");
    EXPECT_EQ(fm.read("skins/fm2008/settings/fm colours.xml"), program.read("fm colours0809.xml"));
    EXPECT_EQ(lines(list("ListBox2")), std::vector<QString> {"fm colours.xml"});
    EXPECT_EQ(form.catalogue().selectedSkinFolder(), "fm2008");
    // The skins list is grey but can still be used.
    EXPECT_EQ(enabled(), (std::vector<bool> {false, true, false, false, false}));
    EXPECT_EQ(listColour(), kGrey);
    EXPECT_TRUE(fs::exists(program / "dane.dat"));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(SkinCatalogueHandlersTest, TheChosenFolderIsTheOneTheSkinModeReads)
{
    TempFolder other;
    addSkin(fm.path(), "Alpha", "Alpha");
    addSkin(other.path(), "Other", "Other");
    TForm1& form = startInSkinMode();
    dialogs.queueAnswer(other.path().string());
    click("spbt");
    EXPECT_TRUE(lines(list("lista1")).empty());
    click("skinrb");
    EXPECT_EQ(lines(list("lista1")), withStandardSkins({"Other"}));
    EXPECT_EQ(form.catalogue().skinsFolder(), other.path().string() + "\\skins/");
}

// The game runs under Wine: the location file names a Windows folder inside the prefix.
TEST_F(SkinCatalogueHandlersTest, AColourFileOfASkinInTheWinePrefixLoadsForSavingBackThere)
{
    const fs::path driveC = makeWinePrefix();
    const std::string gameFolder
        = "C:\\Users\\tester\\Documents\\Sports Interactive\\Football Manager 2009";
    locateGameFolder(gameFolder);
    const fs::path local
        = driveC / "users/tester/Documents/Sports Interactive/Football Manager 2009";
    addSkin(local, "Steel", "Steel [2009]");
    writeBytes(local / "skins/Steel/settings/steel colours.xml",
        R"(<colours><colour name="low attribute" red="9" green="9" blue="9"/>
            <colour name="normal attribute" red="1" green="2" blue="3" alpha="4"/></colours>)");

    TForm1& form = startInSkinMode();
    EXPECT_EQ(form.catalogue().userFolder(), gameFolder + "/");
    EXPECT_EQ(lines(list("lista1")), withStandardSkins({"Steel "}));
    pick("FM 2009- standard");
    EXPECT_TRUE(fs::exists(local / "skins/fm2009/settings/fm colours.xml"));
    pick("Steel ");
    EXPECT_EQ(lines(list("ListBox2")), std::vector<QString> {"steel colours.xml"});
    clickLine(list("ListBox2"), 0);
    EXPECT_EQ(form.source().docFileName, "steel colours.xml");
    EXPECT_EQ(form.source().sourcePath, gameFolder + "/skins/Steel/settings/steel colours.xml");
    EXPECT_EQ(form.slotModel().colour(1), makeColour(1, 2, 3));
    EXPECT_EQ(form.slotModel().selected(), 1U);
    EXPECT_EQ(named<QLineEdit>(form, "alp")->text(), "4");
    EXPECT_EQ(enabled(), (std::vector<bool> {false, true, true, true, true}));
    for (const char* control : {"plt", "ge", "be", "alp", "hex", "sctbt", "loadbt"})
        EXPECT_TRUE(named<QWidget>(form, control)->isEnabled()) << control;
    EXPECT_TRUE(fs::is_directory(program / "temp"));
    EXPECT_TRUE(messages.shown().empty());
    // The game mode is chosen already: clicking it again changes nothing.
    click("cbfm2009");
    EXPECT_EQ(enabled(), (std::vector<bool> {false, true, true, true, true}));

    // Any other choice starts afresh: the colours and their samples go.
    pick("FM 2008- standard");
    EXPECT_EQ(form.source().sourcePath, "");
    EXPECT_EQ(enabled(), (std::vector<bool> {false, true, true, false, false}));
    clickLine(list("ListBox2"), 0);
    ASSERT_FALSE(form.preview().sample(7)->picture().isNull());
    click("manrb");
    EXPECT_TRUE(form.preview().sample(7)->picture().isNull());
    EXPECT_EQ(form.slotModel().colour(1), SlotModel::kWhite);
    EXPECT_TRUE(lines(list("ListBox2")).empty());
    EXPECT_EQ(enabled(), (std::vector<bool> {true, false, false, false, false}));
}

TEST_F(SkinCatalogueHandlersTest, APartlyReadFileCannotBeWrittenBack)
{
    addSkin(fm.path(), "Steel", "Steel");
    fm.write("skins/Steel/settings/steel colours.xml",
        R"(<colours><colour name="low attribute" red="1" green="2" blue="3"/><colour/></colours>)");
    startInSkinMode();
    pick("Steel");
    clickLine(list("ListBox2"), 0);
    EXPECT_EQ(messages.errors(),
        std::vector<std::string> {"Could not convert variant of type (Null) into type (String)"});
    EXPECT_EQ(enabled(), (std::vector<bool> {false, true, false, false, true}));
}

} // namespace
} // namespace tintabel::testing
