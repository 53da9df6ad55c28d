#include "platform/Errors.h"
#include "platform/XmlDocument.h"
#include "support/XmlTestDocuments.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

using testing::childNamed;
using testing::encoded;
using testing::replaced;

struct Encoding {
    const char* name;
    QStringConverter::Encoding qt;
    bool byteOrderMark;
    const char* declared;
};

const Encoding kEncodings[] = {{"Utf8", QStringConverter::Utf8, false, "UTF-8"},
    {"Utf8Bom", QStringConverter::Utf8, true, "UTF-8"},
    {"Latin1", QStringConverter::Latin1, false, "ISO-8859-1"},
    {"Utf16Le", QStringConverter::Utf16LE, true, "UTF-16"},
    {"Utf16LeNoBom", QStringConverter::Utf16LE, false, "UTF-16"},
    {"Utf16Be", QStringConverter::Utf16BE, true, "UTF-16"},
    {"Utf32Le", QStringConverter::Utf32LE, true, "UTF-32"},
    {"Utf32Be", QStringConverter::Utf32BE, true, "UTF-32"}};

class XmlDocumentEncodings : public ::testing::TestWithParam<Encoding> {
protected:
    static bool latin1() { return GetParam().qt == QStringConverter::Latin1; }
    // Characters of three and four bytes in UTF-8, where the encoding carries them.
    static std::string wide() { return latin1() ? "" : "\u20AC\U0001F600"; }
    // The skin document as its author may have saved it in this encoding, in UTF-8: declared in
    // it, blank lines between the prolog's nodes, characters beyond ASCII in its comment.
    static std::string text()
    {
        std::string out = replaced(testing::skinDocument(), "encoding=\"UTF-8\"",
            std::string("encoding=\"") + GetParam().declared + '"');
        return replaced(out, "<!-- colours of the skin -->\r\n",
            "\r\n<!-- colours of the skin: caf\u00E9 " + wide() + " -->\r\n\r\n");
    }
    static std::string inEncoding(std::string_view utf8)
    {
        return encoded(utf8, GetParam().qt, GetParam().byteOrderMark);
    }
};

TEST_P(XmlDocumentEncodings, OnlyTheBytesOfChangedAndAddedValuesChange)
{
    // Parsers turn tab, CR and LF in a value into spaces, so they too need references.
    const std::string tricky = "a&b<c\"d'e>f\tg\r\nh\u20AC\U0001F600";
    // A euro sign and a grinning face at the end of a value, as references where not carried.
    const std::string escaped
        = std::string("f&#9;g&#13;&#10;h") + (latin1() ? "&#8364;&#128512;" : wide());
    const std::string original = inEncoding(text());
    XmlDocument document = XmlDocument::parse(original);
    EXPECT_FALSE(document.changed());
    EXPECT_EQ(document.serialize(), original);
    // Setting a value to what it was counts as a change but writes the same bytes.
    childNamed(document, "low attribute").setAttribute("red", "1");
    EXPECT_TRUE(document.changed());
    EXPECT_EQ(document.serialize(), original);

    // Edited out of document order, the later element first.
    childNamed(document, "good attribute").setAttribute("red", "70");
    XmlNode low = childNamed(document, "low attribute");
    low.setAttribute("red", "10");
    low.setAttribute("blue", tricky);
    low.setAttribute("alpha", "200");
    childNamed(document, "normal attribute").setAttribute("green", tricky);
    XmlNode root = document.documentElement();
    root.child(root.childCount() - 3).setAttribute("id", "x1");
    root.child(root.childCount() - 2).setAttribute("id", "y1");

    std::string expected = replaced(text(), "red = \"1\"", "red = \"10\"");
    expected = replaced(
        expected, "blue='3' />", "blue='a&amp;b&lt;c\"d&apos;e>" + escaped + "' alpha=\"200\" />");
    expected = replaced(expected, "green=\"5\"", "green=\"a&amp;b&lt;c&quot;d'e>" + escaped + '"');
    expected = replaced(expected, "\"7\"", "\"70\"");
    expected = replaced(expected, "<x></x><y/>", "<x id=\"x1\"></x><y id=\"y1\"/>");
    const std::string written = document.serialize();
    EXPECT_EQ(written, inEncoding(expected));
    XmlDocument reread = XmlDocument::parse(written);
    EXPECT_EQ(childNamed(reread, "low attribute").attribute("blue"), tricky);
}

INSTANTIATE_TEST_SUITE_P(EveryEncodingTheParserReads, XmlDocumentEncodings,
    ::testing::ValuesIn(kEncodings), [](const auto& info) { return info.param.name; });

// Code units written as they stand, in two or four bytes of either order.
std::string units(std::u32string_view text, std::size_t size, bool bigEndian)
{
    std::string bytes;
    for (const char32_t unit : text) {
        for (std::size_t i = 0; i < size; ++i)
            bytes += static_cast<char>(unit >> (8 * (bigEndian ? size - 1 - i : i)));
    }
    return bytes;
}

TEST(XmlDocumentWriteBack, UnitsThatTheParserDropsOrPassesOnDoNotShiftAnEdit)
{
    using Case = std::tuple<std::size_t, bool, std::u32string, std::u32string>;
    // Lone surrogates in UTF-16 are dropped; in UTF-32 they, and numbers beyond Unicode, are not.
    // Either way a value that holds them is replaced whole.
    for (const auto& [size, bigEndian, strange, grinning] :
        {Case {2, false, U"\xDC00\xD800", U"\xD83D\xDE00"},
            Case {2, true, U"\xD800\xD800", U"\xD83D\xDE00"},
            Case {4, false, U"\xD800\x110000\x7FFFFFFF", U"\x1F600"}}) {
        SCOPED_TRACE(size + bigEndian);
        const std::u32string text = U"\xFEFF<r><!--" + strange + U"--><c" + strange + U" a='"
            + strange + U"' red='1" + strange + U"'/><c red='2'/></r>";
        XmlDocument document = XmlDocument::parse(units(text, size, bigEndian));
        document.documentElement().child(1).setAttribute("red", "\U0001F600");
        document.documentElement().child(2).setAttribute("red", "3");
        std::u32string expected = text;
        expected.replace(expected.find(U"'1"), 3 + strange.size(), U"'" + grinning + U"'");
        expected.replace(expected.find(U"'2'"), 3, U"'3'");
        EXPECT_EQ(document.serialize(), units(expected, size, bigEndian));
    }
}

TEST(XmlDocumentWriteBack, TheLastValueSetIsWrittenOnceAndUndeclaredEightBitTextStays)
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

    // A Central European skin: the parser does not know the code page and reads it as UTF-8.
    const std::string original = "<?xml version='1.0' encoding='windows-1250'?>\n"
                                 "<r><colour name='\xB9\xE6' red='1'/></r>\n";
    XmlDocument eightBit = XmlDocument::parse(original);
    XmlNode colour = eightBit.documentElement().child(0);
    colour.setAttribute("red", "1");
    EXPECT_EQ(eightBit.serialize(), original);
    colour.setAttribute("red", "2");
    EXPECT_EQ(eightBit.serialize(), replaced(original, "red='1'", "red='2'"));

    // A declaration closed as an element: the parser reads on and ends the next tags with "?>".
    XmlDocument odd = XmlDocument::parse("<?xml version='1.0'/><c red='1'?>");
    odd.documentElement().setAttribute("red", "2");
    odd.documentElement().setAttribute("blue", "3");
    EXPECT_EQ(odd.serialize(), "<?xml version='1.0'/><c red='2' blue=\"3\"?>");
}

} // namespace
} // namespace tintabel
