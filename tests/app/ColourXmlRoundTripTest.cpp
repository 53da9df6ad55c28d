#include "MainWindowFixture.h"
#include "platform/XmlDocument.h"

#include <QPushButton>
#include <QTest>

namespace tintabel::testing {
namespace {

using namespace std::string_view_literals;

// Every construct a skin's author may have left in a colour document, in the layout they gave it.
const std::string kSkinDocument
    = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
      "<!DOCTYPE colours [\r\n\t<!ENTITY maker \"Veldo\">\r\n]>\r\n"
      "<!-- colours of the skin -->\r\n"
      "<?skin-tool keep=\"this\"?>\r\n"
      "<colours version='2' author='Tom &amp; Jerry &#233;'>\r\n"
      "\t<colour name='low attribute' red = \"1\"\r\n"
      "\t        green=\t'2' blue='3' />\r\n"
      "\t<colour\tname=\"normal attribute\" red=\"4\" green=\"5\" blue=\"6\" "
      "alpha=\"255\"></colour>\r\n"
      "\t<note>caf\xC3\xA9 &amp; caf&#233; &maker;</note>\r\n"
      "\t<x></x><y />\r\n"
      "</colours>\r\n";

std::string utf16LittleEndian(std::u16string_view text)
{
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

XmlNode entryNamed(XmlDocument& document, std::string_view name)
{
    XmlNode root = document.documentElement();
    for (std::size_t i = 0; i < root.childCount(); ++i) {
        if (root.child(i).attribute("name") == name)
            return root.child(i);
    }
    throw std::runtime_error("no entry " + std::string(name));
}

class ColourXmlRoundTripTest : public MainWindowFixture {
protected:
    // Loads the document by hand, gives "low attribute" red 10 and alpha 200, saves it as
    // another file and returns that file.
    std::string roundTrip(const std::string& original)
    {
        TForm1& form = start();
        user.write("fm colours.xml", original);
        dialogs.queueAnswer((user / "fm colours.xml").string());
        QTest::mouseClick(form.lsbt, Qt::LeftButton);
        form.slotModel().setColour(0, makeColour(10, 2, 3));
        form.slotModel().setAlpha(0, "200");
        dialogs.queueAnswer((user / "saved.xml").string());
        QTest::mouseClick(form.savebt, Qt::LeftButton);
        EXPECT_TRUE(messages.shown().empty());
        return user.read("saved.xml");
    }

    // The values the save wrote and kept, read back by the parser.
    static void expectColours(const std::string& saved)
    {
        XmlDocument document = XmlDocument::parse(saved);
        XmlNode low = entryNamed(document, "low attribute");
        EXPECT_EQ(low.attribute("name"), "low attribute");
        EXPECT_EQ(low.attribute("red"), "10");
        EXPECT_EQ(low.attribute("green"), "2");
        EXPECT_EQ(low.attribute("blue"), "3");
        EXPECT_EQ(low.attribute("alpha"), "200");
        EXPECT_EQ(low.attribute("note"), "caf\xC3\xA9");
        XmlNode normal = entryNamed(document, "normal attribute");
        EXPECT_EQ(normal.attribute("red"), "4");
        EXPECT_EQ(normal.attribute("alpha"), "255");
    }

    TempFolder user;
};

TEST_F(ColourXmlRoundTripTest, AUtf8DocumentChangesOnlyInTheValuesWritten)
{
    for (const std::string bom : {"", "\xEF\xBB\xBF"}) {
        const std::string saved = roundTrip(bom + kSkinDocument);
        std::string expected = bom + kSkinDocument;
        expected.replace(expected.find("red = \"1\""), 9, "red = \"10\"");
        expected.replace(expected.find("blue='3' />"), 11, "blue='3' alpha=\"200\" />");
        EXPECT_EQ(saved, expected);
        close();
    }
}

TEST_F(ColourXmlRoundTripTest, AUtf16DocumentKeepsItsEncodingAndContent)
{
    const std::u16string text = u"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
                                u"<colours>\r\n"
                                u"<!-- caf\u00E9 \u20AC -->\r\n"
                                u"\t<colour name='low attribute' red='1' green='2' blue='3' "
                                u"note='caf\u00E9'/>\r\n"
                                u"\t<colour name='normal attribute' red='4' green='5' blue='6' "
                                u"alpha='255'/>\r\n"
                                u"</colours>\r\n";
    const std::string saved = roundTrip(utf16LittleEndian(text));
    EXPECT_TRUE(saved.starts_with("\xFF\xFE<\0?\0x\0m\0l\0"sv)) << saved;
    EXPECT_NE(saved.find(utf16LittleEndian(u"encoding=\"UTF-16\"?>")), std::string::npos);
    EXPECT_NE(saved.find(utf16LittleEndian(u"<!-- caf\u00E9 \u20AC -->")), std::string::npos);
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
