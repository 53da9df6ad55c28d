#include "platform/XmlDocument.h"
#include "support/MainWindowFixture.h"
#include "support/XmlTestDocuments.h"

#include <QPushButton>
#include <QTest>

namespace tintabel::testing {
namespace {

class ColourXmlRoundTripTest : public MainWindowFixture {
protected:
    // Loads the document by hand, gives "low attribute" red 10 and alpha 200, saves it as
    // another file and returns that file.
    std::string roundTrip(const std::string& original)
    {
        TForm1& form = start();
        user.write("fm colours.xml", original);
        dialogs.queueAnswer((user / "fm colours.xml").string());
        QTest::mouseClick(named<QPushButton>(form, "lsbt"), Qt::LeftButton);
        form.slotModel().setColour(0, makeColour(10, 2, 3));
        form.slotModel().setAlpha(0, "200");
        dialogs.queueAnswer((user / "saved.xml").string());
        QTest::mouseClick(named<QPushButton>(form, "savebt"), Qt::LeftButton);
        EXPECT_TRUE(messages.shown().empty());
        return user.read("saved.xml");
    }

    // The values the save wrote and kept, read back by the parser.
    static void expectColours(const std::string& saved)
    {
        XmlDocument document = XmlDocument::parse(saved);
        XmlNode low = childNamed(document, "low attribute");
        EXPECT_EQ(low.attribute("name"), "low attribute");
        EXPECT_EQ(low.attribute("red"), "10");
        EXPECT_EQ(low.attribute("green"), "2");
        EXPECT_EQ(low.attribute("blue"), "3");
        EXPECT_EQ(low.attribute("alpha"), "200");
        EXPECT_EQ(low.attribute("note"), "caf\xC3\xA9");
        XmlNode normal = childNamed(document, "normal attribute");
        EXPECT_EQ(normal.attribute("red"), "4");
        EXPECT_EQ(normal.attribute("alpha"), "255");
    }

    TempFolder user;
};

TEST_F(ColourXmlRoundTripTest, AUtf8DocumentChangesOnlyInTheValuesWritten)
{
    for (const std::string bom : {"", "\xEF\xBB\xBF"}) {
        const std::string original = bom + skinDocument();
        std::string expected = replaced(original, "red = \"1\"", "red = \"10\"");
        expected = replaced(expected, "blue='3' />", "blue='3' alpha=\"200\" />");
        // Of the entries the writer matched, only the prefixed one had no alpha yet.
        expected = replaced(expected, "blue=\"9\"/>", "blue=\"9\" alpha=\"255\"/>");
        EXPECT_EQ(roundTrip(original), expected);
        close();
    }
}

TEST_F(ColourXmlRoundTripTest, AUtf16DocumentKeepsItsEncodingAndContent)
{
    const std::u16string text = u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
                                u"<colours>\r\n"
                                u"<!-- caf\u00E9 \u20AC -->\r\n"
                                u"\t<colour name='low attribute' red='1' green='2' blue='3' "
                                u"note='caf\u00E9'/>\r\n"
                                u"\t<colour name='normal attribute' red='4' green='5' blue='6' "
                                u"alpha='255'/>\r\n"
                                u"</colours>\r\n";
    const std::string saved = roundTrip(utf16(text, false));
    EXPECT_TRUE(saved.starts_with(utf16(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>", false)));
    EXPECT_NE(saved.find(utf16(u"<!-- caf\u00E9 \u20AC -->", false, false)), std::string::npos);
    expectColours(saved);
}

TEST_F(ColourXmlRoundTripTest, ALatin1DocumentKeepsItsEncodingAndContent)
{
    const std::string saved
        = roundTrip("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                    "<colours>\n"
                    "<!-- caf\xE9 -->\n"
                    "\t<colour name='low attribute' red='1' green='2' blue='3' note='caf\xE9'/>\n"
                    "\t<colour name='normal attribute' red='4' green='5' blue='6' alpha='255'/>\n"
                    "</colours>\n");
    EXPECT_TRUE(saved.starts_with("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>")) << saved;
    EXPECT_NE(saved.find("<!-- caf\xE9 -->"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("\xC3\xA9"), std::string::npos) << saved;
    expectColours(saved);
}

} // namespace
} // namespace tintabel::testing
