#include "colours/ColourXmlReader.h"
#include "colours/ColourXmlWriter.h"
#include "colours/SlotModel.h"
#include "colours/WorkingCopy.h"
#include "platform/Errors.h"
#include "platform/doubles/FaultyFileSystem.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>
#include <utility>
#include <vector>

namespace tintabel {
namespace {

using testing::errorText;
using testing::TempFolder;

constexpr const char* kNoValue = "Could not convert variant of type (Null) into type (String)";

std::string entry(std::string_view attributes)
{
    return "  <colour " + std::string(attributes) + "/>\n";
}

std::string document(std::string_view entries)
{
    return "<?xml version=\"1.0\"?>\n<colours>\n" + std::string(entries) + "</colours>\n";
}

class ColourXmlTest : public ::testing::Test {
protected:
    ColourXmlTest() { files.makeFolderTree(workCopy.tempFolder); }

    // Loads a document written as the skin's file, as the callers do.
    std::string loadError(const std::string& text)
    {
        source.write("fm colours.xml", text);
        return errorText<Error>([&] { reader.load(sourcePath, "fm colours.xml"); });
    }
    // The working copy after a save over the given document.
    std::string saved(const std::string& original)
    {
        workCopy.path = workCopy.tempFolder + "\\fm colours.xml";
        program.write("temp/fm colours.xml", original);
        writer.save();
        return program.read("temp/fm colours.xml");
    }

    TempFolder program;
    TempFolder source;
    const std::string sourcePath = (source / "fm colours.xml").string();
    FaultyFileSystem files {Environment {}};
    WorkingCopy workCopy {program.withSlash() + "\\temp", ""};
    SlotModel slots;
    std::vector<std::pair<std::size_t, std::int32_t>> renders;
    ColourXmlReader reader {files, workCopy, slots, [this](std::size_t index, std::int32_t alpha) {
                                renders.emplace_back(index, alpha);
                                slots.setAlpha(index, std::to_string(alpha));
                            }};
    ColourXmlWriter writer {files, workCopy, slots};
};

TEST_F(ColourXmlTest, EntriesApplyNodeByNodeAndTheLaterOfTwoNamesakesWins)
{
    // Channels keep their low eight bits; the alpha reaches the preview as its number, unchecked.
    const std::string text = document(entry(R"(name="normal attribute" red="1" green="1" blue="1")")
        + entry(R"(name="low attribute" red="256" green="-1" blue="$80" alpha="01000")")
        + "<shade name=\"good attribute\" red=\"1\" green=\"1\" blue=\"1\"/><colour name=\"x\"/>"
        + entry(R"(name="normal attribute" red="3" green="3" blue="3" alpha="30")"));
    EXPECT_EQ(loadError(text), "(no error)");
    EXPECT_EQ(renders, (decltype(renders) {{1, 255}, {0, 1000}, {1, 30}}));
    EXPECT_EQ(slots.colour(0), makeColour(0, 255, 128));
    EXPECT_EQ(slots.colour(1), makeColour(3, 3, 3));
    EXPECT_FALSE(slots.available(2));
    // The reader works on a copy in the temp folder, the one the writer edits later.
    EXPECT_EQ(workCopy.path, workCopy.tempFolder + "\\fm colours.xml");
    EXPECT_EQ(program.read("temp/fm colours.xml"), text);
}

TEST_F(ColourXmlTest, AFaultyEntryStopsTheReadAfterWhatCameBefore)
{
    // Entries, message, and the slot with its colour, made available before its channels are read.
    const std::tuple<std::string, std::string, std::size_t, ColourValue> cases[] = {
        {entry(R"(name="low attribute" red="1" green="2" blue="3")")
                + entry(R"(red="9" green="9" blue="9")")
                + entry(R"(name="normal attribute" red="4" green="5" blue="6")"),
            kNoValue, 0, makeColour(1, 2, 3)},
        {entry(R"(name="good attribute" red="1" blue="3" alpha="9")"), kNoValue, 2,
            SlotModel::kWhite},
        // Blue is converted first, so it is the one reported.
        {entry(R"(name="excellent attribute" red="x" green="y" blue="z")"),
            testing::notAnInteger("z"), 3, SlotModel::kWhite},
        // A bad alpha fails after the swatch was set.
        {entry(R"(name="special attribute" red="1" green="2" blue="3" alpha="")"),
            testing::notAnInteger(""), 4, makeColour(1, 2, 3)},
    };
    for (const auto& [entries, message, slot, colour] : cases) {
        EXPECT_EQ(loadError(document(entries)), message);
        EXPECT_TRUE(slots.available(slot)) << slot;
        EXPECT_EQ(slots.colour(slot), colour) << slot;
    }
    EXPECT_FALSE(slots.available(1));
    EXPECT_EQ(renders.size(), 1u);
}

TEST_F(ColourXmlTest, ACopyThatIsNotWellFormedOrCannotBeMadeAppliesNothing)
{
    const std::string broken = loadError("<colours>\n<colour name=\"low attribute\">\n</colours>");
    EXPECT_NE(broken.find("\nLine: 3\n</colours>"), std::string::npos) << broken;

    const std::string older = document(entry(R"(name="low attribute" red="1" green="2" blue="3")"));
    program.write("temp/fm colours.xml", older);
    files.refuseReads(sourcePath);
    const std::string message = loadError(older);
    EXPECT_TRUE(message.starts_with("Cannot load \"" + sourcePath + "\". ")) << message;
    EXPECT_FALSE(slots.available(0));
    // Left there, the stale copy could later be saved over this file.
    EXPECT_FALSE(std::filesystem::exists(program / "temp/fm colours.xml"));
}

TEST_F(ColourXmlTest, SetsTheFourValuesOfEveryChildNamedLikeASlotAndNothingElseOrFailsUnwritten)
{
    workCopy.path = workCopy.tempFolder + "\\fm colours.xml";
    EXPECT_THROW(writer.save(), XmlError);
    EXPECT_FALSE(std::filesystem::exists(program / "temp/fm colours.xml"));
    EXPECT_THROW(saved("<c><colour name='low attribute'></c>"), XmlError);
    EXPECT_EQ(program.read("temp/fm colours.xml"), "<c><colour name='low attribute'></c>");

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

    // Rewritten by the serialiser, a document without matching entries would lose its quotes and
    // blanks.
    const std::string original = "<?xml version='1.0' encoding='ISO-8859-1'?>\n"
                                 "<c  a='\xE9'>\n\t<colour name='unknown' red='1'/>\n</c>\n";
    slots.setColour(0, makeColour(9, 9, 9));
    EXPECT_EQ(saved(original), original);
}

} // namespace
} // namespace tintabel
