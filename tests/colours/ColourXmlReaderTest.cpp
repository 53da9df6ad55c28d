#include "colours/ColourXmlReader.h"

#include "colours/SlotModel.h"
#include "colours/WorkingCopy.h"
#include "platform/Errors.h"
#include "platform/doubles/FaultyFileSystem.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
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

class ColourXmlReaderTest : public ::testing::Test {
protected:
    ColourXmlReaderTest()
        : files(Environment {})
        , reader(files, workCopy, slots, [this](std::size_t index, std::int32_t alpha) {
            renders.emplace_back(index, alpha);
            slots.setAlpha(index, std::to_string(alpha));
        })
    {
        workCopy.tempFolder = program.withSlash() + "\\temp";
        files.makeFolderTree(workCopy.tempFolder);
    }

    std::string sourcePath(std::string_view name = "fm colours.xml") const
    {
        return (source / name).string();
    }

    // Loads a document written as the skin's file, as the callers do.
    void load(const std::string& text, std::string_view name = "fm colours.xml")
    {
        source.write(name, text);
        reader.load(sourcePath(name), std::string(name));
    }

    std::string loadError(const std::string& text)
    {
        return errorText<Error>([&] { load(text); });
    }

    TempFolder program;
    TempFolder source;
    FaultyFileSystem files;
    WorkingCopy workCopy;
    SlotModel slots;
    std::vector<std::pair<std::size_t, std::int32_t>> renders;
    ColourXmlReader reader;
};

TEST_F(ColourXmlReaderTest, AnEntryGivesItsSlotTheColourAndAlphaAndLeavesTheOthersAlone)
{
    slots.setAlpha(4, "99");
    const std::string text
        = document(entry("name=\"low attribute\" red=\"10\" green=\"20\" blue=\"30\""));
    load(text);

    EXPECT_EQ(slots.colour(0), makeColour(10, 20, 30));
    EXPECT_EQ(slots.alpha(0), "255");
    EXPECT_TRUE(slots.available(0));
    for (std::size_t i = 1; i < kSlotCount; ++i) {
        EXPECT_EQ(slots.colour(i), SlotModel::kWhite) << i;
        EXPECT_FALSE(slots.available(i)) << i;
    }
    EXPECT_EQ(slots.alpha(4), "99");
    EXPECT_EQ(renders, (decltype(renders) {{0, 255}}));

    // The reader works on a copy in the temp folder, the one the writer edits later.
    EXPECT_EQ(workCopy.path, workCopy.tempFolder + "\\fm colours.xml");
    EXPECT_EQ(program.read("temp/fm colours.xml"), text);
}

TEST_F(ColourXmlReaderTest, ChannelsKeepTheirLowEightBitsAndAlphaIsStoredAsItsNumber)
{
    load(document(entry("name=\"good attribute\" red=\"256\" green=\"-1\" blue=\"$80\" "
                        "alpha=\"007\"")
        + entry("name=\"attribute label\" red=\" 12\" green=\"0x1FF\" blue=\"+3\" alpha=\"$FF\"")
        + entry("name=\"profile extra text\" red=\"1\" green=\"2\" blue=\"3\" alpha=\"1000\"")));
    EXPECT_EQ(slots.colour(2), makeColour(0, 255, 128));
    EXPECT_EQ(slots.alpha(2), "7");
    EXPECT_EQ(slots.colour(5), makeColour(12, 255, 3));
    EXPECT_EQ(slots.alpha(5), "255");
    // No range check: the preview takes what it is given.
    EXPECT_EQ(slots.alpha(7), "1000");
}

TEST_F(ColourXmlReaderTest, EntriesApplyNodeByNodeAndTheLaterOfTwoNamesakesWins)
{
    load(document(entry("name=\"normal attribute\" red=\"1\" green=\"1\" blue=\"1\"")
        + entry("name=\"low attribute\" red=\"2\" green=\"2\" blue=\"2\" alpha=\"20\"")
        + entry("name=\"normal attribute\" red=\"3\" green=\"3\" blue=\"3\" alpha=\"30\"")));
    EXPECT_EQ(renders, (decltype(renders) {{1, 255}, {0, 20}, {1, 30}}));
    EXPECT_EQ(slots.colour(1), makeColour(3, 3, 3));
    EXPECT_EQ(slots.alpha(1), "30");
}

TEST_F(ColourXmlReaderTest, OnlyColourElementsDirectlyUnderTheRootAreRead)
{
    load("<colours xmlns:s=\"urn:skin\">"
         "<shade name=\"low attribute\" red=\"1\" green=\"1\" blue=\"1\"/>"
         "<group><colour name=\"normal attribute\" red=\"2\" green=\"2\" blue=\"2\"/></group>"
         "<!-- <colour name=\"excellent attribute\" red=\"5\" green=\"5\" blue=\"5\"/> -->"
         "<colour name=\"unknown\"/>"
         "<s:colour name=\"good attribute\" red=\"3\" green=\"3\" blue=\"3\"/>"
         "<Colour name=\"special attribute\" red=\"4\" green=\"4\" blue=\"4\"/>"
         "</colours>");
    EXPECT_EQ(renders, (decltype(renders) {{2, 255}}));
    EXPECT_EQ(slots.colour(2), makeColour(3, 3, 3));
    EXPECT_FALSE(slots.available(0));
    EXPECT_FALSE(slots.available(1));
}

TEST_F(ColourXmlReaderTest, AnUnnamedEntryStopsTheReadAfterWhatCameBefore)
{
    EXPECT_EQ(loadError(document(entry("name=\"low attribute\" red=\"1\" green=\"2\" blue=\"3\"")
                  + entry("red=\"9\" green=\"9\" blue=\"9\"")
                  + entry("name=\"normal attribute\" red=\"4\" green=\"5\" blue=\"6\""))),
        kNoValue);
    EXPECT_EQ(slots.colour(0), makeColour(1, 2, 3));
    EXPECT_FALSE(slots.available(1));
    EXPECT_EQ(renders.size(), 1u);
}

TEST_F(ColourXmlReaderTest, AMissingChannelFailsAfterTheSlotWasMadeAvailable)
{
    EXPECT_EQ(
        loadError(document(entry("name=\"good attribute\" red=\"1\" blue=\"3\" alpha=\"9\""))),
        kNoValue);
    EXPECT_TRUE(slots.available(2));
    EXPECT_EQ(slots.colour(2), SlotModel::kWhite);
    EXPECT_TRUE(renders.empty());
}

TEST_F(ColourXmlReaderTest, AChannelThatIsNoIntegerLeavesTheSwatchAndNamesItsText)
{
    EXPECT_EQ(loadError(document(entry("name=\"good attribute\" red=\"12 \" green=\"2\" "
                                       "blue=\"3\""))),
        testing::notAnInteger("12 "));
    EXPECT_TRUE(slots.available(2));
    EXPECT_EQ(slots.colour(2), SlotModel::kWhite);

    // Blue is converted first, so it is the one reported.
    EXPECT_EQ(loadError(document(entry("name=\"good attribute\" red=\"x\" green=\"y\" "
                                       "blue=\"z\""))),
        testing::notAnInteger("z"));
    EXPECT_TRUE(renders.empty());
}

TEST_F(ColourXmlReaderTest, AnAlphaThatIsNoIntegerFailsAfterTheSwatchWasSet)
{
    slots.setAlpha(0, "77");
    EXPECT_EQ(loadError(document(entry("name=\"low attribute\" red=\"1\" green=\"2\" blue=\"3\" "
                                       "alpha=\"\""))),
        testing::notAnInteger(""));
    EXPECT_EQ(slots.colour(0), makeColour(1, 2, 3));
    EXPECT_EQ(slots.alpha(0), "77");
    EXPECT_TRUE(renders.empty());
}

TEST_F(ColourXmlReaderTest, AWorkingCopyThatIsNotWellFormedFailsWithTheParseMessage)
{
    const std::string message = loadError("<colours>\n<colour name=\"low attribute\">\n</colours>");
    EXPECT_NE(message.find("\nLine: 3\n</colours>"), std::string::npos) << message;
    EXPECT_FALSE(slots.available(0));
}

TEST_F(ColourXmlReaderTest, ASourceThatCannotBeCopiedIsNamedAndNoOlderCopyIsRead)
{
    const std::string older
        = document(entry("name=\"low attribute\" red=\"1\" green=\"2\" blue=\"3\""));
    program.write("temp/fm colours.xml", older);
    source.write("fm colours.xml", older);
    files.refuseReads(sourcePath());

    const std::string message
        = errorText<InOutError>([&] { reader.load(sourcePath(), "fm colours.xml"); });
    EXPECT_TRUE(message.starts_with("Cannot load \"" + sourcePath() + "\". ")) << message;
    EXPECT_FALSE(slots.available(0));
    EXPECT_TRUE(renders.empty());
    // Left there, the stale copy could later be saved over this file.
    EXPECT_FALSE(std::filesystem::exists(program / "temp/fm colours.xml"));
}

} // namespace
} // namespace tintabel
