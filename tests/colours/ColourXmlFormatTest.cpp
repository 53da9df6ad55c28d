#include "colours/ColourXmlFormat.h"

#include "platform/XmlDocument.h"

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

} // namespace
} // namespace tintabel
