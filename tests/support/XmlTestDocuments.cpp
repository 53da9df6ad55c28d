#include "XmlTestDocuments.h"

#include "platform/XmlDocument.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace tintabel::testing {

const std::string& skinDocument()
{
    static const std::string text
        = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
          "<!DOCTYPE colours [\r\n\t<!ENTITY maker \"Veldo\">\r\n]>\r\n"
          "<!-- colours of the skin -->\r\n"
          "<?skin-tool keep=\"this\"?>\r\n"
          "<colours version='2' author='Tom &amp; Jerry &#233;' xmlns:s='urn:skin'>\r\n"
          "\t<colour name='low attribute' red = \"1\"\r\n"
          "\t        green=\t'2' blue='3' />\r\n"
          "\t<colour\tname=\"normal attribute\" red=\"4\" green=\"5\" blue=\"6\" "
          "alpha=\"255\"></colour>\r\n"
          "\t<s:colour name=\"good attribute\"\r\n\t\tred\r\n=\r\n\"7\" green=\"8\" "
          "blue=\"9\"/>\r\n"
          "\t<note>Tom &amp; Jerry &#233; caf\xC3\xA9 &maker; <![CDATA[<raw>]]></note>\r\n"
          "\t<x></x><y/>\r\n"
          "</colours>\r\n";
    return text;
}

std::string replaced(std::string text, std::string_view piece, std::string_view by)
{
    const std::size_t at = text.find(piece);
    EXPECT_NE(at, std::string::npos) << piece;
    EXPECT_EQ(text.find(piece, at + 1), std::string::npos) << piece;
    return at == std::string::npos ? text : text.replace(at, piece.size(), by);
}

std::string utf16(std::u16string_view text, bool bigEndian, bool byteOrderMark)
{
    std::string bytes;
    for (const char16_t unit : (byteOrderMark ? u"\uFEFF" : u"") + std::u16string(text)) {
        bytes += static_cast<char>(unit >> (bigEndian ? 8 : 0));
        bytes += static_cast<char>(unit >> (bigEndian ? 0 : 8));
    }
    return bytes;
}

std::string encoded(std::string_view utf8, QStringConverter::Encoding encoding, bool byteOrderMark)
{
    QStringEncoder encoder(encoding,
        byteOrderMark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    const QByteArray bytes
        = encoder.encode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    EXPECT_FALSE(encoder.hasError()) << utf8;
    return bytes.toStdString();
}

XmlNode childNamed(XmlDocument& document, std::string_view name)
{
    XmlNode root = document.documentElement();
    for (std::size_t i = 0; i < root.childCount(); ++i) {
        if (root.child(i).attribute("name") == name)
            return root.child(i);
    }
    throw std::runtime_error("no entry " + std::string(name));
}

} // namespace tintabel::testing
