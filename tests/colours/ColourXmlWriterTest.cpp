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

TEST_F(ColourXmlWriterTest, SetsTheFourValuesOfEveryDirectChildNamedLikeASlot)
{
    // Matched by name alone, whatever the element; the alpha text is written as it stands.
    slots.setColour(0, makeColour(10, 20, 30));
    slots.setAlpha(0, "007");
    slots.setColour(2, makeColour(255, 0, 128));
    EXPECT_EQ(saved("<c>\n <shade id='x' name='low attribute' red='1' green='2' blue='3'/>"
                    "<colour name='good attribute' alpha='$FF'/><colour name='Low attribute'/>"
                    "<group><colour name='low attribute'/></group><colour red='0'/>\n</c>"),
        "<c>\n <shade id='x' name='low attribute' red='10' green='20' blue='30' alpha=\"007\"/>"
        "<colour name='good attribute' alpha='255' red=\"255\" green=\"0\" blue=\"128\"/>"
        "<colour name='Low attribute'/><group><colour name='low attribute'/></group>"
        "<colour red='0'/>\n</c>");
}

TEST_F(ColourXmlWriterTest, ADocumentWithoutMatchingEntriesStaysByteForByte)
{
    // Rewritten by the serialiser, this Latin-1 document would lose its quotes and blanks.
    const std::string original = "<?xml version='1.0' encoding='ISO-8859-1'?>\n"
                                 "<c  a='\xE9'>\n\t<colour name='unknown' red='1'/>\n</c>\n";
    slots.setColour(0, makeColour(9, 9, 9));
    EXPECT_EQ(saved(original), original);
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
