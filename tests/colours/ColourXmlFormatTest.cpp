#include "colours/ColourXmlFormat.h"

#include "platform/Errors.h"
#include "platform/LocalFileSystem.h"
#include "platform/XmlDocument.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

std::size_t markingEntries(std::string text)
{
    XmlDocument document = XmlDocument::parse(std::move(text));
    return ColourXmlFormat::markingEntryCount(document.documentElement());
}

TEST(ColourXmlFormatTest, ADocumentIsAColourDocumentOnlyByADirectColourChildNamedLowAttribute)
{
    EXPECT_EQ(markingEntries("<c><colour name=\"low attribute\" red=\"1\"/></c>"), 1u);
    // The root's own name does not matter, nor do other entries around the marking one.
    EXPECT_EQ(markingEntries("<anything><!-- x --><colour/><colour name=\"good attribute\"/>"
                             "<colour name=\"low attribute\"/></anything>"),
        1u);

    EXPECT_EQ(markingEntries("<c><colour name=\"Low attribute\"/></c>"), 0u);
    EXPECT_EQ(markingEntries("<c><colour name=\"low attribute \"/></c>"), 0u);
    EXPECT_EQ(markingEntries("<c><colour name=\" low attribute\"/></c>"), 0u);
    EXPECT_EQ(markingEntries("<c><Colour name=\"low attribute\"/></c>"), 0u);
    EXPECT_EQ(markingEntries("<c><shade name=\"low attribute\"/></c>"), 0u);
    EXPECT_EQ(markingEntries("<c><group><colour name=\"low attribute\"/></group></c>"), 0u);
    EXPECT_EQ(markingEntries("<colour name=\"low attribute\"/>"), 0u);
    EXPECT_EQ(markingEntries("<c><colour>low attribute</colour></c>"), 0u);
}

TEST(ColourXmlFormatTest, ThePrefixOfANamespaceIsNotPartOfTheEntryName)
{
    EXPECT_EQ(markingEntries("<c xmlns:s=\"urn:skin\"><s:colour name=\"low attribute\"/></c>"), 1u);
    EXPECT_EQ(
        markingEntries("<c xmlns:s=\"urn:skin\"><s:colours name=\"low attribute\"/></c>"), 0u);
}

TEST(ColourXmlFormatTest, EveryMarkingEntryIsCounted)
{
    EXPECT_EQ(markingEntries("<c><colour name=\"low attribute\"/><colour/>"
                             "<colour name=\"low attribute\"/></c>"),
        2u);
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
    EXPECT_THROW(
        ColourXmlFormat::isColourDocumentFile(files, (folder / "bad.xml").string()), XmlError);
    EXPECT_THROW(
        ColourXmlFormat::isColourDocumentFile(files, (folder / "none.xml").string()), XmlError);
}

} // namespace
} // namespace tintabel
