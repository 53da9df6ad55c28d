#include "UserFolderFixture.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tintabel::testing {
namespace {

const std::string kWhole
    = R"(<colours><colour name="low attribute" red="1" green="2" blue="3"/></colours>)";
const std::string kEntryWithoutName = R"(<colours>
    <colour name="low attribute" red="1" green="2" blue="3"/><colour red="4" green="5" blue="6"/>
</colours>)";
const std::string kNotWellFormed = R"(<colours><colour name="low attribute">)";

class SaveButtonsTest;

// A way of leaving the document loaded from a skin, or by hand, that must take the save buttons
// with it.
struct Unloading {
    const char* name;
    bool fromSkin;
    void (*act)(SaveButtonsTest&);
};

void PrintTo(const Unloading& unloading, std::ostream* out)
{
    *out << unloading.name;
}

class SaveButtonsTest : public UserFolderFixture, public ::testing::WithParamInterface<Unloading> {
public:
    SaveButtonsTest()
    {
        locateGameFolder(fm.path().string());
        addSkin(fm.path(), "Alpha", "Alpha");
        fm.write("skins/Alpha/settings/a.xml", kWhole);
        fm.write("skins/Alpha/settings/b.xml", kWhole);
    }

    QPushButton* button(std::string_view name) { return named<QPushButton>(window(), name); }
    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    void pickSkin() { clickLine(*named<QListWidget>(window(), "lista1"), "Alpha"); }
    // The skin's other colour file, changed after the skin was listed.
    void pickColourFile(const std::string& text)
    {
        fm.write("skins/Alpha/settings/b.xml", text);
        clickLine(*named<QListWidget>(window(), "ListBox2"), "b.xml");
    }
    void loadByHand(const std::string& text)
    {
        user.write("mine.xml", text);
        dialogs.queueAnswer((user / "mine.xml").string());
        click(button("lsbt"));
    }
    void cancelLoadByHand()
    {
        dialogs.queueCancel();
        click(button("lsbt"));
    }
    void chooseSkinMode() { click(named<QRadioButton>(window(), "skinrb")); }

    TempFolder fm;
    TempFolder user;
};

TEST_P(SaveButtonsTest, EveryPathThatUnloadsOrFailsTurnsThemOff)
{
    if (GetParam().fromSkin) {
        startInSkinMode();
        pickSkin();
        clickLine(*named<QListWidget>(window(), "ListBox2"), "a.xml");
        ASSERT_TRUE(button("sxmlbt")->isEnabled());
    } else {
        start();
        showWindow();
        loadByHand(kWhole);
    }
    ASSERT_TRUE(button("savebt")->isEnabled());

    GetParam().act(*this);
    EXPECT_FALSE(button("savebt")->isEnabled());
    EXPECT_FALSE(button("sxmlbt")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Paths, SaveButtonsTest,
    ::testing::Values(Unloading {"SkinFileWithoutName", true,
                          [](SaveButtonsTest& test) { test.pickColourFile(kEntryWithoutName); }},
        Unloading {"SkinFileNotWellFormed", true,
            [](SaveButtonsTest& test) { test.pickColourFile(kNotWellFormed); }},
        Unloading {"SkinPicked", true, [](SaveButtonsTest& test) { test.pickSkin(); }},
        Unloading {"SkinModeChosen", false, [](SaveButtonsTest& test) { test.chooseSkinMode(); }},
        Unloading {"ByHandWithoutName", false,
            [](SaveButtonsTest& test) { test.loadByHand(kEntryWithoutName); }},
        Unloading {"ByHandNotWellFormed", false,
            [](SaveButtonsTest& test) { test.loadByHand(kNotWellFormed); }},
        Unloading {
            "ByHandCancelled", false, [](SaveButtonsTest& test) { test.cancelLoadByHand(); }}),
    [](const ::testing::TestParamInfo<Unloading>& info) { return info.param.name; });

} // namespace
} // namespace tintabel::testing
