#include "UserFolderFixture.h"
#include "editor/PreviewSample.h"
#include "editor/PreviewSamples.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tintabel::testing {
namespace {

// A skin's colour file, every entry with all four channels, so that a save changes only the
// values that were edited.
constexpr const char* kSteelColours = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                      "<!-- Steel, by Tom -->\r\n"
                                      "<colours>\r\n"
                                      "\t<colour name=\"low attribute\" red=\"204\" green=\"51\" "
                                      "blue=\"51\" alpha=\"255\"/>\r\n"
                                      "\t<colour name=\"normal attribute\" red=\"72\" green=\"76\" "
                                      "blue=\"82\" alpha=\"255\" note=\"keep\"/>\r\n"
                                      "\t<other name=\"unrelated\" red=\"1\"/>\r\n"
                                      "\t<colour name=\"profile extra text\" red=\"96\" "
                                      "green=\"108\" blue=\"122\" alpha=\"224\"/>\r\n"
                                      "</colours>\r\n";

std::string replaced(std::string text, std::string_view from, std::string_view to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

// The skin "Steel" in the FM user folder that the game's location file names.
class SaveToSkinTest : public UserFolderFixture {
protected:
    SaveToSkinTest()
    {
        locateGameFolder(fm.path().string());
        addSkin(fm.path(), "Steel", "Steel [by Tom]");
        fm.write(kColourFile, kSteelColours);
    }
    TForm1& loadSteel()
    {
        TForm1& form = startInSkinMode();
        clickLine(*named<QListWidget>(form, "lista1"), "Steel ");
        clickLine(*named<QListWidget>(form, "ListBox2"), "steel colours.xml");
        return form;
    }
    std::string onDisk() { return fm.read(kColourFile); }

    static constexpr const char* kColourFile = "skins/Steel/settings/steel colours.xml";
    TempFolder fm;
};

TEST_F(SaveToSkinTest, AColourFilePickedInTheListIsReadAndWrittenBackThere)
{
    TForm1& form = loadSteel();
    EXPECT_EQ(form.slotModel().colour(1), 72U + (76U << 8) + (82U << 16));
    EXPECT_EQ(form.slotModel().alpha(7), "224");
    EXPECT_TRUE(named<QRadioButton>(form, "narb")->isChecked());

    form.slotModel().setColour(0, 10 + (20 << 8) + (30 << 16));
    QTest::mouseClick(named<QPushButton>(form, "sxmlbt"), Qt::LeftButton);
    EXPECT_EQ(onDisk(),
        replaced(kSteelColours, R"(red="204" green="51" blue="51")",
            R"(red="10" green="20" blue="30")"));
    EXPECT_EQ(messages.shown().size(), 1U);
    EXPECT_EQ(messages.shown().front().kind, ScriptedMessageBoxes::Kind::Information);
    EXPECT_EQ(messages.shown().front().text, "Colours have been saved correctly!");

    // Back to loading by hand: the colours and their samples go.
    ASSERT_NE(form.preview().sample(7), nullptr);
    EXPECT_FALSE(form.preview().sample(7)->picture().isNull());
    QTest::mouseClick(named<QRadioButton>(form, "manrb"), Qt::LeftButton);
    EXPECT_TRUE(form.preview().sample(7)->picture().isNull());
    EXPECT_EQ(form.slotModel().colour(1), SlotModel::kWhite);
    EXPECT_EQ(form.source().sourcePath, "");
}

TEST_F(SaveToSkinTest, APartlyReadFileCannotBeWrittenBack)
{
    fm.write(kColourFile,
        R"(<colours><colour name="low attribute" red="1" green="2" blue="3"/><colour/></colours>)");
    TForm1& form = loadSteel();
    EXPECT_EQ(messages.errors(),
        std::vector<std::string> {"Could not convert variant of type (Null) into type (String)"});
    EXPECT_FALSE(named<QPushButton>(form, "sxmlbt")->isEnabled());
    EXPECT_FALSE(named<QPushButton>(form, "savebt")->isEnabled());
}

// The main road on the window's own controls: skin mode, a skin, its colour file, a new red for
// the selected slot typed in, "Save to skin".
TEST_F(SaveToSkinTest, TheMainRoadSavesAnEditedColourIntoTheSkin)
{
    TForm1& form = loadSteel();
    ASSERT_EQ(named<QLineEdit>(form, "re")->text(), "72");
    named<QLineEdit>(form, "re")->setFocus();
    named<QLineEdit>(form, "re")->selectAll();
    QTest::keyClicks(named<QLineEdit>(form, "re"), "200");
    EXPECT_EQ(named<QLineEdit>(form, "re")->text(), "200");
    QTest::mouseClick(named<QPushButton>(form, "sxmlbt"), Qt::LeftButton);
    EXPECT_EQ(onDisk(),
        replaced(kSteelColours, R"(name="normal attribute" red="72")",
            R"(name="normal attribute" red="200")"));
    EXPECT_EQ(messages.errors(), std::vector<std::string> {});
}

} // namespace
} // namespace tintabel::testing
