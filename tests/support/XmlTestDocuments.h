#pragma once

#include <QStringConverter>

#include <string>
#include <string_view>

namespace tintabel {
class XmlDocument;
class XmlNode;
} // namespace tintabel

namespace tintabel::testing {

// Every construct a skin's author may have left in a colour document, in the layout they gave it:
// declaration, DOCTYPE, comment, processing instruction, CRLF line ends and tabs, both quotes,
// blanks and line breaks inside tags, entities in attributes and text, a prefixed entry, CDATA
// and empty elements of both forms. Entries: "low attribute" without alpha, "normal attribute"
// with alpha 255 and, prefixed, "good attribute" without alpha.
const std::string& skinDocument();

// The text with one occurrence of a piece replaced. The piece must occur exactly once (the test
// fails otherwise), so that an expectation built from it cannot silently miss.
std::string replaced(std::string text, std::string_view piece, std::string_view by);

// The text as UTF-16 bytes in the given byte order, led by a byte order mark unless asked not to.
std::string utf16(std::u16string_view text, bool bigEndian, bool byteOrderMark = true);

// UTF-8 text in another encoding, by Qt's converter rather than the program's own code; the text
// must be one that the encoding carries.
std::string encoded(
    std::string_view utf8, QStringConverter::Encoding encoding, bool byteOrderMark = false);

// The first direct child of the document element whose "name" is the given one.
XmlNode childNamed(XmlDocument& document, std::string_view name);

} // namespace tintabel::testing
