#include "colours/ColourXmlWriter.h"

#include "colours/SlotModel.h"
#include "colours/WorkingCopy.h"
#include "platform/Errors.h"
#include "platform/LocalFileSystem.h"
#include "platform/XmlDocument.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tintabel {
namespace {

class ColourXmlWriterTest : public ::testing::Test {
protected:
    ColourXmlWriterTest()
        : files(Environment {})
        , writer(files, workCopy, slots)
    {
        workCopy.path = temp.withSlash() + "\\fm colours.xml";
    }

    // The working copy after a save over the given document.
    std::string saved(const std::string& original)
    {
        temp.write("fm colours.xml", original);
        writer.save();
        return temp.read("fm colours.xml");
    }

    testing::TempFolder temp;
    LocalFileSystem files;
    WorkingCopy workCopy;
    SlotModel slots;
    ColourXmlWriter writer;
};

TEST_F(ColourXmlWriterTest, SetsTheFourValuesOfAMatchingEntryAndAddsAMissingAlpha)
{
    slots.setColour(0, makeColour(10, 20, 30));
    slots.setAlpha(0, "200");
    EXPECT_EQ(saved("<c>\n <colour id='x' name='low attribute' red='1' green='2' blue='3'/>\n</c>"),
        "<c>\n <colour id='x' name='low attribute' red='10' green='20' blue='30' "
        "alpha=\"200\"/>\n</c>");
}

TEST_F(ColourXmlWriterTest, WritesEveryChannelInDecimalAndTheAlphaTextAsItStands)
{
    slots.setColour(2, makeColour(255, 0, 128));
    slots.setAlpha(2, "1000");
    slots.setAlpha(3, "007");
    EXPECT_EQ(saved("<c><colour name=\"good attribute\"/><colour name=\"excellent attribute\" "
                    "alpha=\"$FF\"/></c>"),
        "<c><colour name=\"good attribute\" red=\"255\" green=\"0\" blue=\"128\" alpha=\"1000\"/>"
        "<colour name=\"excellent attribute\" alpha=\"007\" red=\"255\" green=\"255\" "
        "blue=\"255\"/></c>");
}

TEST_F(ColourXmlWriterTest, MatchesDirectChildrenByNameAloneWhateverTheirElementName)
{
    slots.setColour(0, makeColour(1, 1, 1));
    slots.setColour(2, makeColour(3, 3, 3));
    const std::string original = "<c>"
                                 "<colour name=\"good attribute\" red=\"0\"/>"
                                 "<shade name=\"low attribute\" red=\"0\"/>"
                                 "<colour name=\"Low attribute\" red=\"0\"/>"
                                 "<colour name=\"low attribute \" red=\"0\"/>"
                                 "<group><colour name=\"low attribute\" red=\"0\"/></group>"
                                 "<colour red=\"0\"/>"
                                 "<colour name=\"good attribute\" red=\"0\"/>"
                                 "</c>";
    const std::string added = " green=\"%\" blue=\"%\" alpha=\"255\"";
    const auto written = [&added](char value) {
        std::string text = added;
        std::replace(text.begin(), text.end(), '%', value);
        return std::string("red=\"") + value + "\"" + text;
    };
    EXPECT_EQ(saved(original),
        "<c>"
        "<colour name=\"good attribute\" "
            + written('3')
            + "/>"
              "<shade name=\"low attribute\" "
            + written('1')
            + "/>"
              "<colour name=\"Low attribute\" red=\"0\"/>"
              "<colour name=\"low attribute \" red=\"0\"/>"
              "<group><colour name=\"low attribute\" red=\"0\"/></group>"
              "<colour red=\"0\"/>"
              "<colour name=\"good attribute\" "
            + written('3')
            + "/>"
              "</c>");
}

TEST_F(ColourXmlWriterTest, ADocumentWithoutMatchingEntriesStaysByteForByte)
{
    // Rewritten by the serialiser, this Latin-1 document would lose its quotes and blanks.
    const std::string original = "<?xml version='1.0' encoding='ISO-8859-1'?>\n"
                                 "<c  a='\xE9'>\n\t<colour name='unknown' red='1'/>\n</c>\n";
    slots.setColour(0, makeColour(9, 9, 9));
    EXPECT_EQ(saved(original), original);
}

TEST_F(ColourXmlWriterTest, ASecondSaveWritesTheSameFile)
{
    const std::string original
        = "<?xml version='1.0' encoding='ISO-8859-1'?>\n"
          "<c a='\xE9'>\n\t<colour name='normal attribute' red='1'/>\n</c>\n";
    slots.setColour(1, makeColour(9, 8, 7));
    const std::string first = saved(original);
    EXPECT_NE(first, original);
    writer.save();
    EXPECT_EQ(temp.read("fm colours.xml"), first);
}

TEST_F(ColourXmlWriterTest, AWorkingCopyThatCannotBeReadFailsWithoutWriting)
{
    EXPECT_THROW(writer.save(), XmlError);
    EXPECT_FALSE(std::filesystem::exists(temp / "fm colours.xml"));
    EXPECT_THROW(saved("<c><colour name='low attribute'></c>"), XmlError);
    EXPECT_EQ(temp.read("fm colours.xml"), "<c><colour name='low attribute'></c>");
}

} // namespace
} // namespace tintabel
