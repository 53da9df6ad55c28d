#include "UserFolderFixture.h"
#include "support/XmlTestDocuments.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tintabel::testing {
namespace {

struct Encoding {
    const char* name;
    QStringConverter::Encoding qt;
    bool byteOrderMark;
    const char* declared;
};

// Colour documents as Windows tools save them; each save, after a load by hand or from a skin,
// must change only the red typed in.
class EncodedSaveTest : public UserFolderFixture, public ::testing::WithParamInterface<Encoding> {
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

    void typeTenIntoRedOfTheFirstSlot(TForm1& form)
    {
        QTest::mouseClick(named<QRadioButton>(form, "larb"), Qt::LeftButton);
        named<QLineEdit>(form, "re")->setFocus();
        named<QLineEdit>(form, "re")->selectAll();
        QTest::keyClicks(named<QLineEdit>(form, "re"), "10");
    }

    static constexpr const char* kColourFile = "skins/Steel/settings/steel colours.xml";
    TempFolder fm;
};

TEST_P(EncodedSaveTest, SaveAsAfterALoadByHand)
{
    TForm1& form = start();
    fm.write("steel colours.xml", document("204"));
    dialogs.queueAnswer((fm / "steel colours.xml").string());
    QTest::mouseClick(named<QPushButton>(form, "lsbt"), Qt::LeftButton);
    typeTenIntoRedOfTheFirstSlot(form);
    dialogs.queueAnswer((fm / "saved.xml").string());
    QTest::mouseClick(named<QPushButton>(form, "savebt"), Qt::LeftButton);
    EXPECT_EQ(messages.errors(), std::vector<std::string> {});
    EXPECT_EQ(fm.read("saved.xml"), document("10"));
}

TEST_P(EncodedSaveTest, SaveToSkin)
{
    locateGameFolder(fm.path().string());
    addSkin(fm.path(), "Steel", "Steel [by Tom]");
    fm.write(kColourFile, document("204"));
    TForm1& form = startInSkinMode();
    clickLine(*named<QListWidget>(form, "lista1"), "Steel ");
    clickLine(*named<QListWidget>(form, "ListBox2"), "steel colours.xml");
    typeTenIntoRedOfTheFirstSlot(form);
    QTest::mouseClick(named<QPushButton>(form, "sxmlbt"), Qt::LeftButton);
    EXPECT_EQ(messages.errors(), std::vector<std::string> {});
    EXPECT_EQ(fm.read(kColourFile), document("10"));
}

INSTANTIATE_TEST_SUITE_P(WindowsEncodings, EncodedSaveTest,
    ::testing::Values(Encoding {"Utf8Bom", QStringConverter::Utf8, true, "UTF-8"},
        Encoding {"Latin1", QStringConverter::Latin1, false, "ISO-8859-1"},
        Encoding {"Utf16Le", QStringConverter::Utf16LE, true, "UTF-16"},
        Encoding {"Utf32Be", QStringConverter::Utf32BE, true, "UTF-32"}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace tintabel::testing
