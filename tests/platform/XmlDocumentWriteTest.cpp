#include "platform/Errors.h"
#include "platform/XmlDocument.h"
#include "support/XmlTestDocuments.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

const std::string kSkinDocument = testing::skinDocument();

using testing::childNamed;
using testing::replaced;
using testing::utf16;

// The writer's step on an entry: the three channels and alpha.
void writeColour(XmlNode entry, std::string_view red, std::string_view alpha)
{
    entry.setAttribute("red", red);
    entry.setAttribute("alpha", alpha);
}

TEST(XmlDocumentWriteBack, UnchangedDocumentsComeBackByteForByte)
{
    const std::u16string wide
        = u"<?xml version='1.0'?>\r\n<r a=\"\u00E9\">\r\n <c red='1'/>\r\n</r>\r\n";
    const std::vector<std::string> documents = {
        kSkinDocument,
        "\xEF\xBB\xBF" + kSkinDocument,
        utf16(wide, false),
        utf16(wide, true),
        "<?xml version='1.0' encoding='ISO-8859-1'?>\n<r a='\xE9'>\n <c red='1'/>\n</r>",
        "<?xml version='1.0' encoding='windows-1250'?>\n<r a='\xB9\xE6'>\n<c red='1'/></r>\n",
    };
    for (const std::string& original : documents) {
        XmlDocument document = XmlDocument::parse(original);
        EXPECT_FALSE(document.changed());
        EXPECT_EQ(document.serialize(), original);
        // Setting a value to what it was counts as a change but writes the same bytes.
        XmlNode entry = document.documentElement().child(1);
        entry.setAttribute("red", "1");
        EXPECT_TRUE(document.changed());
        EXPECT_EQ(document.serialize(), original);
    }
}

TEST(XmlDocumentWriteBack, ChangesOnlyTheBytesOfSetAndAddedAttributes)
{
    for (const std::string bom : {"", "\xEF\xBB\xBF"}) {
        XmlDocument document = XmlDocument::parse(bom + kSkinDocument);
        // Edited out of document order, the later element first.
        childNamed(document, "good attribute").setAttribute("red", "70");
        writeColour(childNamed(document, "low attribute"), "10", "200");
        childNamed(document, "normal attribute").setAttribute("green", "50");
        XmlNode root = document.documentElement();
        root.child(root.childCount() - 3).setAttribute("id", "x1");
        root.child(root.childCount() - 2).setAttribute("id", "y1");

        std::string expected = bom + kSkinDocument;
        expected = replaced(expected, "red = \"1\"", "red = \"10\"");
        expected = replaced(expected, "blue='3' />", "blue='3' alpha=\"200\" />");
        expected = replaced(expected, "green=\"5\"", "green=\"50\"");
        expected = replaced(expected, "\"7\"", "\"70\"");
        expected = replaced(expected, "<x></x><y/>", "<x id=\"x1\"></x><y id=\"y1\"/>");
        EXPECT_EQ(document.serialize(), expected);
    }
}

TEST(XmlDocumentWriteBack, TheLastValueSetIsWrittenOnce)
{
    XmlDocument document = XmlDocument::parse("<r><c red='1' green='2'/></r>");
    XmlNode entry = document.documentElement().child(0);
    entry.setAttribute("red", "7");
    entry.setAttribute("red", "8");
    entry.setAttribute("blue", "3");
    entry.setAttribute("blue", "4");
    entry.setAttribute("green", "5");
    entry.setAttribute("green", "2");
    EXPECT_EQ(document.serialize(), "<r><c red='8' green='2' blue=\"4\"/></r>");
    EXPECT_EQ(entry.attribute("blue"), "4");
}

TEST(XmlDocumentWriteBack, ValuesNeedingEscapesReadBackTheSame)
{
    const std::string value = "a&b<c\"d'e>f\tg\r\nh";
    XmlDocument document = XmlDocument::parse("<r><c single='x' double=\"y\"/></r>");
    XmlNode entry = document.documentElement().child(0);
    entry.setAttribute("single", value);
    entry.setAttribute("double", value);
    entry.setAttribute("added", value);
    const std::string written = document.serialize();
    EXPECT_NE(written.find("single='a&amp;b&lt;c\"d&apos;e>f&#9;g&#13;&#10;h'"), std::string::npos)
        << written;
    EXPECT_NE(written.find("double=\"a&amp;b&lt;c&quot;d'e>f&#9;g&#13;&#10;h\""), std::string::npos)
        << written;

    XmlDocument reread = XmlDocument::parse(written);
    XmlNode again = reread.documentElement().child(0);
    EXPECT_EQ(again.attribute("single"), value);
    EXPECT_EQ(again.attribute("double"), value);
    EXPECT_EQ(again.attribute("added"), value);
}

TEST(XmlDocumentWriteBack, UndeclaredEightBitTextStaysAsItWas)
{
    // A Central European skin: the parser does not know the code page and reads it as UTF-8.
    const std::string original = "<?xml version='1.0' encoding='windows-1250'?>\n"
                                 "<r><colour name='\xB9\xE6' red='1'/></r>\n";
    XmlDocument document = XmlDocument::parse(original);
    document.documentElement().child(0).setAttribute("red", "2");
    EXPECT_EQ(document.serialize(), replaced(original, "red='1'", "red='2'"));
}

class XmlDocumentUtf16 : public ::testing::TestWithParam<bool> { };

TEST_P(XmlDocumentUtf16, KeepsEncodingAndContentAfterAChange)
{
    const bool big = GetParam();
    const std::string original = utf16(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
                                       u"<!-- caf\u00E9 -->\r\n"
                                       u"<colours>\r\n"
                                       u"\t<colour name=\"low attribute\" red=\"1\" green=\"2\" "
                                       u"blue=\"3\" note=\"\u00E9\u20AC\"/>\r\n"
                                       u"</colours>\r\n",
        big);
    XmlDocument document = XmlDocument::parse(original);
    writeColour(childNamed(document, "low attribute"), "10", "200");
    const std::string written = document.serialize();

    EXPECT_TRUE(written.starts_with(big ? "\xFE\xFF" : "\xFF\xFE"));
    const auto contains = [&](std::u16string_view piece) {
        return written.find(utf16(piece, big, false)) != std::string::npos;
    };
    EXPECT_TRUE(contains(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>"));
    EXPECT_TRUE(contains(u"<!-- caf\u00E9 -->"));
    EXPECT_TRUE(contains(u"note=\"\u00E9\u20AC\""));
    EXPECT_TRUE(written.ends_with(utf16(u"</colours>\r\n", big, false)));

    XmlDocument reread = XmlDocument::parse(written);
    XmlNode entry = childNamed(reread, "low attribute");
    EXPECT_EQ(entry.attribute("red"), "10");
    EXPECT_EQ(entry.attribute("green"), "2");
    EXPECT_EQ(entry.attribute("blue"), "3");
    EXPECT_EQ(entry.attribute("alpha"), "200");
    EXPECT_EQ(entry.attribute("note"), "\xC3\xA9\xE2\x82\xAC");
}

INSTANTIATE_TEST_SUITE_P(BothByteOrders, XmlDocumentUtf16, ::testing::Bool(),
    [](const auto& info) { return info.param ? "BigEndian" : "LittleEndian"; });

TEST(XmlDocumentWriteBack, AMissingFinalLineBreakStaysMissing)
{
    XmlDocument document = XmlDocument::parse(utf16(u"<r><c red='1'/></r>", false));
    document.documentElement().child(0).setAttribute("red", "2");
    EXPECT_EQ(document.serialize(), utf16(u"<r><c red=\"2\"/></r>", false));
}

TEST(XmlDocumentWriteBack, Latin1KeepsItsEncodingAndEveryCharacter)
{
    const std::string original = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                                 "<!-- \xE9t\xE9 -->\n"
                                 "<colours>\n"
                                 "<colour name=\"caf\xE9\" red=\"1\" note=\"&#8364;\"/>\n"
                                 "<t>&#8364; \xE9</t>\n"
                                 "</colours>\n";
    XmlDocument document = XmlDocument::parse(original);
    childNamed(document, "caf\xC3\xA9").setAttribute("red", "10");
    const std::string written = document.serialize();

    EXPECT_TRUE(written.starts_with("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"));
    EXPECT_NE(written.find("<!-- \xE9t\xE9 -->"), std::string::npos);
    EXPECT_NE(written.find("name=\"caf\xE9\""), std::string::npos);
    // The euro sign has no place in ISO-8859-1; it must not turn into "?".
    EXPECT_NE(written.find("note=\"&#8364;\""), std::string::npos) << written;
    EXPECT_NE(written.find("<t>&#8364; \xE9</t>"), std::string::npos) << written;
    EXPECT_EQ(written.find('\xC3'), std::string::npos);
    EXPECT_TRUE(written.ends_with("</colours>\n"));

    XmlDocument reread = XmlDocument::parse(written);
    XmlNode entry = childNamed(reread, "caf\xC3\xA9");
    EXPECT_EQ(entry.attribute("red"), "10");
    EXPECT_EQ(entry.attribute("note"), "\xE2\x82\xAC");
}

} // namespace
} // namespace tintabel
