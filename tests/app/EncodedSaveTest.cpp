#include "support/MainWindowFixture.h"
#include "support/XmlTestDocuments.h"

#include <QLineEdit>
#include <QTest>

namespace tintabel::testing {
namespace {

struct Encoding {
    const char* name;
    QStringConverter::Encoding qt;
    bool byteOrderMark;
    const char* declared;
};

// Colour documents as Windows tools save them: a save after a load changes only the red typed
// in. The writer keeps the bytes; the window must hand it the document as it was loaded.
class EncodedSaveTest : public MainWindowFixture, public ::testing::WithParamInterface<Encoding> {
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
};

TEST_P(EncodedSaveTest, SaveAsAfterALoadByHand)
{
    TForm1& form = start();
    clickAnswering("lsbt", userFile("steel colours.xml", document("204")));
    named<QLineEdit>(form, "re")->selectAll();
    QTest::keyClicks(named<QLineEdit>(form, "re"), "10");
    clickAnswering("savebt", (user / "saved.xml").string());
    EXPECT_EQ(messages.errors(), std::vector<std::string> {});
    EXPECT_EQ(user.read("saved.xml"), document("10"));
}

INSTANTIATE_TEST_SUITE_P(WindowsEncodings, EncodedSaveTest,
    ::testing::Values(Encoding {"Utf8Bom", QStringConverter::Utf8, true, "UTF-8"},
        Encoding {"Latin1", QStringConverter::Latin1, false, "ISO-8859-1"},
        Encoding {"Utf16Le", QStringConverter::Utf16LE, true, "UTF-16"},
        Encoding {"Utf32Be", QStringConverter::Utf32BE, true, "UTF-32"}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace tintabel::testing
