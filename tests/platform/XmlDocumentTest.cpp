#include "platform/XmlDocument.h"

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "support/ErrorText.h"
#include "support/MemoryFiles.h"
#include "support/XmlTestDocuments.h"

#include <QString>

#include <algorithm>
#include <gtest/gtest.h>
#include <utility>

namespace tintabel {
namespace {

using testing::MemoryFiles;

// The parse message without its reason, which is the parser's own text.
std::string afterReason(std::string document)
{
    const std::string message
        = testing::errorText<XmlError>([&] { XmlDocument::parse(std::move(document)); });
    return message.substr(std::min(message.find('\n'), message.size()));
}

// Local names drop the namespace prefix.
TEST(XmlDocumentNavigation, ChildrenInDocumentOrderAttributesAndNodesOutlivingAMove)
{
    XmlDocument document
        = XmlDocument::parse("<s:root xmlns:s='urn:skin'>text<!--note--><s:a/>"
                             "<?pi data?><![CDATA[raw]]><b x='1'><c/></b></s:root>");
    XmlNode root = document.documentElement();
    EXPECT_EQ(root.localName(), "root");
    std::string children;
    for (std::size_t i = 0; i < root.childCount(); ++i)
        children += root.child(i).localName() + (root.child(i).isElement() ? "* " : "- ");
    EXPECT_EQ(children, "- - a* - - b* ");
    // Only direct children: c sits inside b.
    EXPECT_EQ(root.child(5).childCount(), 1u);
    EXPECT_EQ(root.child(5).child(0).localName(), "c");
    EXPECT_THROW(root.child(6), XmlError);

    XmlDocument first = XmlDocument::parse("<r><colour name='' red='a&amp;b &#233;'/>text</r>");
    XmlNode entry = first.documentElement().child(0);
    EXPECT_EQ(entry.attribute("name"), std::optional<std::string>(""));
    EXPECT_EQ(entry.attribute("alpha"), std::nullopt);
    EXPECT_EQ(entry.attribute("Name"), std::nullopt);
    EXPECT_EQ(entry.attribute("red"), "a&b \xC3\xA9");
    EXPECT_EQ(first.documentElement().child(1).attribute("name"), std::nullopt);
    XmlDocument moved = std::move(first);
    entry.setAttribute("red", "2");
    EXPECT_TRUE(moved.changed());
    EXPECT_EQ(moved.serialize(), "<r><colour name='' red='2'/>text</r>");
}

TEST(XmlDocumentSetAttribute, RefusesWhatCannotBeWritten)
{
    XmlDocument document = XmlDocument::parse("<r>text<colour/></r>");
    XmlNode text = document.documentElement().child(0);
    XmlNode entry = document.documentElement().child(1);
    EXPECT_THROW(text.setAttribute("red", "1"), XmlError);
    for (const auto& [name, value] : {std::pair<std::string, std::string> {"", "1"}, {"re d", "1"},
             {"a\"b", "1"}, {"red", std::string("1\0", 2)}, {"red", "\x1B"}})
        EXPECT_THROW(entry.setAttribute(name, value), XmlError) << name;
    EXPECT_FALSE(document.changed());
    EXPECT_EQ(entry.attribute("red"), std::nullopt);
    // A name, unlike a value, has no way to carry a character by reference.
    XmlDocument latin1 = XmlDocument::parse("<?xml version='1.0' encoding='ISO-8859-1'?><r/>");
    EXPECT_THROW(latin1.documentElement().setAttribute("\u20AC", "1"), XmlError);
}

TEST(XmlDocumentParseErrors, NameTheLineAndShowItsFirstFortyCharactersAsText)
{
    const std::string accents = QString(50, QChar(0xE9)).toStdString();
    const std::string shown = "<t>" + QString(37, QChar(0xE9)).toStdString();
    const std::pair<std::string, std::string> cases[] = {
        {"<colours><colour name=x/></colours>", "\nLine: 1\n<colours><colour name=x/></colours>"},
        {"<a>\r\n\t<b>\r\n<c red='1' green=2/>\r\n</b></a>\r\n", "\nLine: 3\n<c red='1' green=2/>"},
        {"<a>\n<b>\n</c>\n</a>", "\nLine: 3\n</c>"},
        // Old Mac line ends count as well.
        {"<a>\r<b>\r<c x=1/>\r</b></a>", "\nLine: 3\n<c x=1/>"},
        {"<r>\n<t>" + accents + "</x>\n</r>", "\nLine: 2\n" + shown},
        {"<r a='" + std::string(60, 'x') + "' b=1/>", "\nLine: 1\n<r a='" + std::string(34, 'x')},
        // No document element.
        {"", "\nLine: 1\n"},
        {"\xEF\xBB\xBF", "\nLine: 1\n"},
        {"<?xml version='1.0'?>\n<!-- only -->\n", "\nLine: 3\n"},
        // A lone surrogate is dropped by the parser, so it must not shift the position either.
        {testing::utf16(u"<r>\r\n<b t='\U0001F600\xD800' \u00E9=1/>\r\n</r>", false),
            "\nLine: 2\n<b t='\U0001F600' \u00E9=1/>"},
        {"\xEF\xBB\xBF<r x=1/>", "\nLine: 1\n<r x=1/>"},
        {"<?xml version='1.0' encoding='ISO-8859-1'?>\n<caf\xE9 x=1/>",
            "\nLine: 2\n<caf\xC3\xA9 x=1/>"},
    };
    for (const auto& [document, expected] : cases) {
        SCOPED_TRACE(document);
        EXPECT_EQ(afterReason(document), expected);
    }
    EXPECT_EQ(testing::errorText<XmlError>([] { XmlDocument::parse("<a>\n<b x=1/>\n</a>"); }),
        "Error parsing element attribute\nLine: 2\n<b x=1/>");
}

TEST(XmlDocumentFiles, LoadsAndSavesThroughTheFileSystemAndNamesAFailure)
{
    MemoryFiles files;
    files.files["work.xml"] = "<r>\n  <colour name='low attribute' red='1'/>\n</r>\n";
    XmlDocument document = XmlDocument::load(files, "work.xml");
    document.documentElement().child(1).setAttribute("red", "10");
    document.save(files, "work.xml");
    EXPECT_EQ(files.files["work.xml"], "<r>\n  <colour name='low attribute' red='10'/>\n</r>\n");
    files.refuseWrites = true;
    EXPECT_THROW(document.save(files, "work.xml"), InOutError);
    // An unreadable file is an XML error naming the reason and the file.
    EXPECT_EQ(testing::errorText<XmlError>([&] { XmlDocument::load(files, "C:\\temp\\a.xml"); }),
        "File not found\nC:\\temp\\a.xml");
}

} // namespace
} // namespace tintabel
