#include "colours/ColourXmlFormat.h"

#include "platform/Errors.h"
#include "platform/LocalFileSystem.h"
#include "platform/XmlDocument.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

TEST(ColourXmlFormatTest, MarkingEntriesAreDirectColourChildrenNamedExactlyLowAttribute)
{
    const std::pair<const char*, std::size_t> cases[] = {
        // The root's own name does not matter, nor do other entries around the marking one.
        {R"(<any><!-- x --><colour/><colour name="x"/><colour name="low attribute"/></any>)", 1},
        {R"(<c><colour name="low attribute"/><colour/><colour name="low attribute"/></c>)", 2},
        // The prefix of a namespace is not part of the entry name.
        {R"(<c xmlns:s="urn:skin"><s:colour name="low attribute"/></c>)", 1},
        {R"(<c><colour name="Low attribute"/><Colour name="low attribute"/></c>)", 0},
        {R"(<c><group><colour name="low attribute"/></group></c>)", 0},
        {R"(<colour name="low attribute"/>)", 0},
    };
    for (const auto& [text, count] : cases) {
        XmlDocument document = XmlDocument::parse(text);
        EXPECT_EQ(ColourXmlFormat::markingEntryCount(document.documentElement()), count) << text;
    }
}

TEST(ColourXmlFormatTest, TheFileTestReadsTheFileWhereItLiesAndChangesNothing)
{
    testing::TempFolder folder;
    LocalFileSystem files(Environment {});
    const std::string text = "<c>\r\n\t<colour name='low attribute'/>\r\n</c>";
    folder.write("a.xml", text);
    folder.write("b.xml", "<c><colour name='normal attribute'/></c>");
    folder.write("bad.xml", "<c><colour name='low attribute'></c>");
    EXPECT_TRUE(ColourXmlFormat::isColourDocumentFile(files, (folder / "a.xml").string()));
    EXPECT_EQ(folder.read("a.xml"), text);
    EXPECT_FALSE(ColourXmlFormat::isColourDocumentFile(files, (folder / "b.xml").string()));
    for (const char* broken : {"bad.xml", "none.xml"}) {
        EXPECT_THROW(
            ColourXmlFormat::isColourDocumentFile(files, (folder / broken).string()), XmlError);
    }
}

} // namespace
} // namespace tintabel
