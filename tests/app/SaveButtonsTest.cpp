#include "UserFolderFixture.h"

#include <QPushButton>
#include <QTest>

#include <functional>

namespace tintabel::testing {
namespace {

const char* const kWhole
    = R"(<colours><colour name="low attribute" red="1" green="2" blue="3"/></colours>)";
const char* const kEntryWithoutName
    = R"(<colours><colour name="low attribute" red="1" green="2" blue="3"/><colour/></colours>)";
const char* const kNotWellFormed = R"(<colours><colour name="low attribute">)";

using SaveButtonsTest = UserFolderFixture;

// Each way of leaving a document read whole, from a skin or by hand, takes both save buttons
// with it: none may write the slots of a document that is gone or was read in part.
TEST_F(SaveButtonsTest, EveryPathThatUnloadsOrFailsTurnsThemOff)
{
    TempFolder fm;
    TempFolder user;
    locateGameFolder(fm.path().string());
    addSkin(fm.path(), "Alpha", "Alpha");
    fm.write("skins/Alpha/settings/a.xml", kWhole);
    fm.write("skins/Alpha/settings/b.xml", kWhole);
    TForm1& form = start();
    showWindow();
    QListWidget& skins = *named<QListWidget>(form, "lista1");
    QListWidget& skinFiles = *named<QListWidget>(form, "ListBox2");
    const auto click = [&](const char* control) {
        QTest::mouseClick(named<QAbstractButton>(form, control), Qt::LeftButton);
    };
    const auto loadByHand = [&](const char* text) {
        user.write("mine.xml", text);
        dialogs.queueAnswer((user / "mine.xml").string());
        click("lsbt");
    };
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
        {"by hand, cancelled", false, [&] { dialogs.queueCancel(), click("lsbt"); }},
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
}

} // namespace
} // namespace tintabel::testing
