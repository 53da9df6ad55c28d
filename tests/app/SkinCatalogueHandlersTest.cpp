#include "app/SkinCatalogueHandlers.h"

#include "UserFolderFixture.h"
#include "platform/Errors.h"
#include "platform/XmlDocument.h"
#include "support/ErrorText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>

namespace tintabel::testing {
namespace {

namespace fs = std::filesystem;

const QColor kGrey(0xF5, 0xF5, 0xF5);
const std::vector<QString> kStandardLines {"FM 2009- standard", "FM 2008- standard"};

std::vector<QString> operator+(std::vector<QString> skins, const std::vector<QString>& more)
{
    skins.insert(skins.end(), more.begin(), more.end());
    return skins;
}

// A window over an FM user folder found through the game's location file.
class SkinCatalogueHandlersTest : public UserFolderFixture {
protected:
    SkinCatalogueHandlersTest() { locateGameFolder(fm.path().string()); }

    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    QColor listColour()
    {
        return named<QListWidget>(window(), "lista1")->palette().color(QPalette::Base);
    }
    void pick(const QString& skin) { clickLine(*named<QListWidget>(window(), "lista1"), skin); }
    std::string settingsFile(const std::string& folder, const std::string& name)
    {
        return fm.read("skins/" + folder + "/settings/" + name);
    }
    // The controls of the two loading modes, in one comparable list.
    std::vector<bool> enabled()
    {
        TForm1& form = window();
        return {named<QPushButton>(form, "lsbt")->isEnabled(),
            named<QListWidget>(form, "lista1")->isEnabled(),
            named<QPushButton>(form, "savebt")->isEnabled(),
            named<QPushButton>(form, "sxmlbt")->isEnabled(),
            named<QLineEdit>(form, "re")->isEnabled()};
    }

    TempFolder fm;
};

TEST_F(SkinCatalogueHandlersTest, SkinModeListsTheSkinsLastListedFirstAndTheStandardOnes)
{
    addSkin(fm.path(), "Alpha", "Alpha");
    addSkin(fm.path(), "Beta", "Beta [by Tom]");
    addSkin(fm.path(), "Gamma", "Gamma");
    addSkin(fm.path(), "my.skin", "Dotted");
    addSkin(fm.path(), "Unnamed", "");
    TForm1& form = startInSkinMode();
    EXPECT_EQ(lines(*named<QListWidget>(form, "lista1")),
        (std::vector<QString> {"Gamma", "Beta ", "Alpha"} + kStandardLines));
    EXPECT_TRUE(named<QListWidget>(form, "lista1")->selectedItems().empty());
    EXPECT_EQ(form.catalogue().skinsFolder(), fm.withSlash() + "skins/");
    EXPECT_EQ(enabled(), (std::vector<bool> {false, true, false, false, false}));
    EXPECT_EQ(listColour(),
        QApplication::palette(named<QListWidget>(form, "lista1")).color(QPalette::Base));
    EXPECT_NE(listColour(), kGrey);

    click(named<QRadioButton>(form, "manrb"));
    EXPECT_TRUE(lines(*named<QListWidget>(form, "lista1")).empty());
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
    TForm1& form = startInSkinMode();
    EXPECT_EQ(messages.errors(), std::vector<std::string> {parserMessage});
    EXPECT_TRUE(lines(*named<QListWidget>(form, "lista1")).empty());
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
            click(named<QRadioButton>(window(), "manrb"));
    };
    TForm1& form = startInSkinMode();
    EXPECT_EQ(turns, 2);
    // The user went back to loading by hand while the skins were read: that choice stands.
    EXPECT_TRUE(named<QRadioButton>(form, "manrb")->isChecked());
    EXPECT_TRUE(lines(*named<QListWidget>(form, "lista1")).empty());
    EXPECT_EQ(enabled(), (std::vector<bool> {true, false, false, false, false}));
    EXPECT_EQ(listColour(), kGrey);

    click(named<QRadioButton>(form, "skinrb"));
    EXPECT_EQ(lines(*named<QListWidget>(form, "lista1")),
        (std::vector<QString> {"Beta", "Alpha"} + kStandardLines));
}

TEST_F(SkinCatalogueHandlersTest, TheStandardSkinIsSetUpFromTheTemplatesWhenPicked)
{
    TForm1& form = startInSkinMode();
    EXPECT_EQ(lines(*named<QListWidget>(form, "lista1")), kStandardLines);
    pick("FM 2009- standard");
    EXPECT_EQ(fm.read("skins/config.xml"), program.read("configm.xml"));
    EXPECT_EQ(settingsFile("fm2009", "config.xml"), program.read("config.xml"));
    EXPECT_EQ(settingsFile("fm2009", "fm colours.xml"), program.read("fm colours09.xml"));
    EXPECT_EQ(
        lines(*named<QListWidget>(form, "ListBox2")), std::vector<QString> {"fm colours.xml"});
    EXPECT_EQ(form.catalogue().selectedSkinFolder(), "fm2009");
    // The skins list is grey but can still be used.
    EXPECT_EQ(enabled(), (std::vector<bool> {false, true, false, false, false}));
    EXPECT_EQ(listColour(), kGrey);
    EXPECT_TRUE(fs::exists(program / "dane.dat"));

    fm.write("skins/fm2009/settings/config.xml", "old");
    fm.write("skins/fm2009/settings/fm colours.xml", R"(<colours>
        <colour name="low attribute" red="1" green="2" blue="3"/>
        <colour name="low attribute" red="4" green="5" blue="6"/>
    </colours>)");
    pick("FM 2008- standard");
    EXPECT_EQ(settingsFile("fm2008", "fm colours.xml"), program.read("fm colours0809.xml"));
    pick("FM 2009- standard");
    EXPECT_EQ(settingsFile("fm2009", "config.xml"), program.read("config.xml"));
    EXPECT_EQ(lines(*named<QListWidget>(form, "ListBox2")),
        (std::vector<QString> {"fm colours.xml", "fm colours.xml"}));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(SkinCatalogueHandlersTest, ASkinFolderNamedLikeTheStandardOneIsSetUpLikeIt)
{
    addSkin(fm.path(), "fm2009", "My own standard");
    addSkin(fm.path(), "Alpha", "Alpha");
    fm.write("skins/Alpha/settings/a.xml", R"(<colours><colour name="low attribute"/></colours>)");
    fm.write("skins/Alpha/settings/config.xml", R"(<record/>)");
    TForm1& form = startInSkinMode();
    EXPECT_EQ(lines(*named<QListWidget>(form, "lista1")),
        (std::vector<QString> {"My own standard", "Alpha"} + kStandardLines));
    pick("My own standard");
    EXPECT_EQ(settingsFile("fm2009", "fm colours.xml"), program.read("fm colours09.xml"));
    pick("Alpha");
    EXPECT_EQ(lines(*named<QListWidget>(form, "ListBox2")), std::vector<QString> {"a.xml"});
    EXPECT_FALSE(fs::exists(fm.path() / "skins/Alpha/settings/fm colours.xml"));
}

TEST_F(SkinCatalogueHandlersTest, PickingAColourFileLoadsItForSavingBackIntoTheSkin)
{
    TForm1& form = startInSkinMode();
    pick("FM 2009- standard");
    clickLine(*named<QListWidget>(form, "ListBox2"), 0);
    EXPECT_EQ(form.source().docFileName, "fm colours.xml");
    EXPECT_EQ(form.source().sourcePath, fm.withSlash() + "skins/fm2009/settings/fm colours.xml");
    EXPECT_EQ(enabled(), (std::vector<bool> {false, true, true, true, true}));
    for (QWidget* control : std::initializer_list<QWidget*> {named<QPushButton>(form, "plt"),
             named<QLineEdit>(form, "ge"), named<QLineEdit>(form, "be"),
             named<QLineEdit>(form, "alp"), named<QLineEdit>(form, "hex"),
             named<QPushButton>(form, "sctbt"), named<QPushButton>(form, "loadbt")})
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_EQ(form.slotModel().selected(), 1U);
    EXPECT_TRUE(fs::is_directory(program / "temp"));
    EXPECT_TRUE(messages.shown().empty());
    // The game mode is chosen already: clicking it again changes nothing.
    click(named<QRadioButton>(form, "cbfm2009"));
    EXPECT_EQ(enabled(), (std::vector<bool> {false, true, true, true, true}));

    // Any other choice starts afresh.
    pick("FM 2008- standard");
    EXPECT_EQ(form.source().sourcePath, "");
    EXPECT_EQ(enabled(), (std::vector<bool> {false, true, false, false, false}));
    click(named<QRadioButton>(form, "manrb"));
    EXPECT_TRUE(lines(*named<QListWidget>(form, "ListBox2")).empty());
    EXPECT_EQ(enabled(), (std::vector<bool> {true, false, false, false, false}));
}

TEST_F(SkinCatalogueHandlersTest, TheChosenFolderIsTheOneTheSkinModeReads)
{
    TempFolder other;
    addSkin(fm.path(), "Alpha", "Alpha");
    addSkin(other.path(), "Other", "Other");
    TForm1& form = startInSkinMode();
    dialogs.queueAnswer(other.path().string());
    click(named<QPushButton>(form, "spbt"));
    EXPECT_TRUE(lines(*named<QListWidget>(form, "lista1")).empty());
    click(named<QRadioButton>(form, "skinrb"));
    EXPECT_EQ(lines(*named<QListWidget>(form, "lista1")),
        (std::vector<QString> {"Other"} + kStandardLines));
    EXPECT_EQ(form.catalogue().skinsFolder(), other.path().string() + "\\skins/");
}

// The game runs under Wine: the location file names a Windows folder inside the prefix.
TEST_F(SkinCatalogueHandlersTest, SkinsAreFoundAndPreparedInsideTheWinePrefix)
{
    const fs::path driveC = makeWinePrefix();
    const std::string gameFolder
        = "C:\\Users\\tester\\Documents\\Sports Interactive\\Football Manager 2009";
    locateGameFolder(gameFolder);
    const fs::path local
        = driveC / "users/tester/Documents/Sports Interactive/Football Manager 2009";
    addSkin(local, "Steel", "Steel [2009]");
    writeBytes(local / "skins/Steel/settings/steel colours.xml",
        R"(<colours><colour name="low attribute" red="1" green="2" blue="3"/></colours>)");

    TForm1& form = startInSkinMode();
    EXPECT_EQ(form.catalogue().userFolder(), gameFolder + "/");
    EXPECT_EQ(lines(*named<QListWidget>(form, "lista1")),
        (std::vector<QString> {"Steel "} + kStandardLines));
    pick("FM 2009- standard");
    EXPECT_TRUE(fs::exists(local / "skins/fm2009/settings/fm colours.xml"));
    EXPECT_TRUE(fs::exists(local / "skins/config.xml"));
    pick("Steel ");
    EXPECT_EQ(
        lines(*named<QListWidget>(form, "ListBox2")), std::vector<QString> {"steel colours.xml"});
    clickLine(*named<QListWidget>(form, "ListBox2"), 0);
    EXPECT_EQ(form.source().sourcePath, gameFolder + "/skins/Steel/settings/steel colours.xml");
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace tintabel::testing
