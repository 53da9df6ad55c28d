#include "app/SkinCatalogueHandlers.h"

#include "editor/PreviewSample.h"
#include "editor/PreviewSamples.h"
#include "platform/Errors.h"
#include "platform/XmlDocument.h"
#include "support/ErrorText.h"
#include "support/UserFolderFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>
#include <functional>

namespace tintabel::testing {
namespace {

namespace fs = std::filesystem;

const QColor kGrey(0xF5, 0xF5, 0xF5);
using Names = std::vector<std::string>;

std::vector<QString> withStandardSkins(std::vector<QString> skins)
{
    skins.insert(skins.end(), {"FM 2009- standard", "FM 2008- standard"});
    return skins;
}

// A window over an FM user folder found through the game's location file.
class SkinCatalogueHandlersTest : public UserFolderFixture {
protected:
    SkinCatalogueHandlersTest() { locateGameFolder(fm.path().string()); }

    QListWidget& list(const char* name) { return *named<QListWidget>(window(), name); }
    QColor listColour() { return list("lista1").palette().color(QPalette::Base); }
    Names enabled() { return enabledOf({"lsbt", "lista1", "savebt", "sxmlbt", "re"}); }

    TempFolder fm;
};

TEST_F(SkinCatalogueHandlersTest, SkinModeListsTheSkinsOfTheChosenFolderAndManualModeEmptiesIt)
{
    TempFolder other;
    addSkin(fm.path(), "Alpha", "Alpha");
    addSkin(fm.path(), "Beta", "Beta [by Tom]");
    addSkin(other.path(), "Other", "Other");
    TForm1& form = startInSkinMode();
    EXPECT_EQ(lines(list("lista1")), withStandardSkins({"Beta ", "Alpha"}));
    EXPECT_TRUE(list("lista1").selectedItems().empty());
    EXPECT_EQ(form.catalogue().skinsFolder(), fm.withSlash() + "skins/");
    EXPECT_EQ(enabled(), Names {"lista1"});
    EXPECT_EQ(listColour(), QApplication::palette(&list("lista1")).color(QPalette::Base));

    click("manrb");
    EXPECT_TRUE(lines(list("lista1")).empty());
    EXPECT_EQ(enabled(), Names {"lsbt"});
    EXPECT_EQ(listColour(), kGrey);

    clickAnswering("spbt", other.path().string());
    click("skinrb");
    EXPECT_EQ(lines(list("lista1")), withStandardSkins({"Other"}));
    EXPECT_EQ(form.catalogue().skinsFolder(), other.path().string() + "\\skins/");
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
    EXPECT_EQ(enabled(), (Names {"lsbt", "lista1"}));
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
    EXPECT_TRUE(named<QRadioButton>(window(), "manrb")->isChecked());
    EXPECT_TRUE(lines(list("lista1")).empty());
    EXPECT_EQ(enabled(), Names {"lsbt"});
    EXPECT_EQ(listColour(), kGrey);
}

// The game runs under Wine: the location file names a Windows folder inside the prefix.
TEST_F(SkinCatalogueHandlersTest, AColourFileOfASkinInTheWinePrefixLoadsForSavingBackThere)
{
    const std::string gameFolder = "C:\\Users\\tester\\Documents\\FM";
    const fs::path local = makeWinePrefix() / "users/tester/Documents/FM";
    locateGameFolder(gameFolder);
    addSkin(local, "Steel", "Steel [2009]");
    writeBytes(local / "skins/Steel/settings/steel colours.xml",
        R"(<colours><colour name="low attribute" red="9" green="9" blue="9"/>
            <colour name="normal attribute" red="1" green="2" blue="3" alpha="4"/></colours>)");

    TForm1& form = startInSkinMode();
    EXPECT_EQ(form.catalogue().userFolder(), gameFolder + "/");
    EXPECT_EQ(lines(list("lista1")), withStandardSkins({"Steel "}));
    // A standard skin is set up from the templates when picked.
    clickLine(list("lista1"), "FM 2008- standard");
    EXPECT_EQ(readBytes(local / "skins/fm2008/settings/fm colours.xml"),
        program.read("fm colours0809.xml"));
    EXPECT_EQ(form.catalogue().selectedSkinFolder(), "fm2008");
    EXPECT_EQ(lines(list("ListBox2")), std::vector<QString> {"fm colours.xml"});
    EXPECT_EQ(listColour(), kGrey);
    EXPECT_EQ(enabled(), Names {"lista1"});
    clickLine(list("lista1"), "Steel ");
    EXPECT_EQ(lines(list("ListBox2")), std::vector<QString> {"steel colours.xml"});
    clickLine(list("ListBox2"), "steel colours.xml");
    EXPECT_EQ(form.source().docFileName, "steel colours.xml");
    EXPECT_EQ(form.source().sourcePath, gameFolder + "/skins/Steel/settings/steel colours.xml");
    EXPECT_EQ(form.slotModel().colour(1), makeColour(1, 2, 3));
    EXPECT_EQ(form.slotModel().selected(), 1U);
    EXPECT_EQ(named<QLineEdit>(form, "alp")->text(), "4");
    EXPECT_EQ(enabled(), (Names {"lista1", "savebt", "sxmlbt", "re"}));
    EXPECT_TRUE(messages.shown().empty());
    // The game mode is chosen already: clicking it again changes nothing.
    click("cbfm2009");
    EXPECT_EQ(enabled(), (Names {"lista1", "savebt", "sxmlbt", "re"}));

    // Any other choice starts afresh: the colours and their samples go.
    clickLine(list("lista1"), "FM 2008- standard");
    EXPECT_EQ(form.source().sourcePath, "");
    EXPECT_EQ(enabled(), Names {"lista1"});
    clickLine(list("ListBox2"), "fm colours.xml");
    ASSERT_FALSE(form.preview().sample(7)->picture().isNull());
    click("manrb");
    EXPECT_TRUE(form.preview().sample(7)->picture().isNull());
    EXPECT_EQ(form.slotModel().colour(1), SlotModel::kWhite);
    EXPECT_TRUE(lines(list("ListBox2")).empty());
    EXPECT_EQ(enabled(), Names {"lsbt"});
}

const char* const kWhole
    = R"(<colours><colour name="low attribute" red="1" green="2" blue="3"/></colours>)";
const char* const kEntryWithoutName
    = R"(<colours><colour name="low attribute" red="1" green="2" blue="3"/><colour/></colours>)";
const char* const kNotWellFormed = R"(<colours><colour name="low attribute">)";

using SaveButtonsTest = SkinCatalogueHandlersTest;

// Each way of leaving a document read whole, from a skin or by hand, takes both save buttons
// with it: none may write the slots of a document that is gone or was read in part.
TEST_F(SaveButtonsTest, EveryPathThatUnloadsOrFailsTurnsThemOff)
{
    addSkin(fm.path(), "Alpha", "Alpha");
    fm.write("skins/Alpha/settings/a.xml", kWhole);
    fm.write("skins/Alpha/settings/b.xml", kWhole);
    TForm1& form = start();
    showWindow();
    QListWidget& skins = *named<QListWidget>(form, "lista1");
    QListWidget& skinFiles = *named<QListWidget>(form, "ListBox2");
    const auto loadByHand
        = [&](const char* text) { clickAnswering("lsbt", userFile("m.xml", text)); };
    // The skin's second colour file, changed after the skin was listed.
    const auto loadFromSkin = [&](const char* text) {
        fm.write("skins/Alpha/settings/b.xml", text);
        clickLine(skinFiles, "b.xml");
    };
    // In this order: the window starts loading by hand, the fourth path turns to the skins.
    const struct {
        const char* path;
        bool fromSkin;
        std::function<void()> unload;
    } paths[] = {
        {"by hand, an entry without a name", false, [&] { loadByHand(kEntryWithoutName); }},
        {"by hand, not well formed", false, [&] { loadByHand(kNotWellFormed); }},
        {"by hand, cancelled", false, [&] { clickAnswering("lsbt", std::nullopt); }},
        {"skinrb", false, [&] { click("skinrb"); }},
        {"from a skin, an entry without a name", true, [&] { loadFromSkin(kEntryWithoutName); }},
        {"from a skin, not well formed", true, [&] { loadFromSkin(kNotWellFormed); }},
        {"lista1", true, [&] { clickLine(skins, "Alpha"); }},
    };
    for (const auto& test : paths) {
        SCOPED_TRACE(test.path);
        if (test.fromSkin) {
            clickLine(skins, "Alpha");
            clickLine(skinFiles, "a.xml");
        } else {
            loadByHand(kWhole);
        }
        ASSERT_TRUE(named<QPushButton>(form, "savebt")->isEnabled());
        ASSERT_EQ(named<QPushButton>(form, "sxmlbt")->isEnabled(), test.fromSkin);
        test.unload();
        EXPECT_FALSE(named<QPushButton>(form, "savebt")->isEnabled());
        EXPECT_FALSE(named<QPushButton>(form, "sxmlbt")->isEnabled());
    }
    // Each failed read is told, from a skin as by hand (with what could be read of it).
    EXPECT_EQ(messages.errors().size(), 6u);
}

} // namespace
} // namespace tintabel::testing
