#include "colours/ColourSchemeReader.h"

#include "colours/SlotModel.h"
#include "platform/Errors.h"
#include "platform/doubles/FaultyFileSystem.h"
#include "support/ErrorText.h"
#include "support/SchemeRecord.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tintabel {
namespace {

using testing::schemeRecord;
using Calls = std::vector<std::string>;

class ColourSchemeReaderTest : public ::testing::Test {
protected:
    ColourSchemeReaderTest()
    {
        // A scheme is only read, so one in a folder that may not be written loads.
        files.refuseWrites(folder.withSlash());
    }

    static std::string key(std::size_t index) { return std::string(kColourSlots[index].key); }
    std::string path() const { return (folder / "scheme.ctm").string(); }
    bool load(const std::string& bytes)
    {
        folder.write("scheme.ctm", bytes);
        return reader.load(path());
    }
    std::string loadError(const std::string& bytes)
    {
        return testing::errorText<Error>([&] { load(bytes); });
    }
    testing::TempFolder folder;
    FaultyFileSystem files {Environment {}};
    SlotModel slots;
    Calls calls;
    ColourSchemeReader reader {files, slots,
        {
            .clearSample = [this](std::size_t index) { calls.push_back("clear " + key(index)); },
            .sampleRender =
                [this](std::size_t index, std::int32_t alpha) {
                    calls.push_back("render " + key(index) + " " + std::to_string(alpha));
                    slots.setAlpha(index, std::to_string(alpha));
                },
        }};
};

TEST_F(ColourSchemeReaderTest, RecordsApplyByExactNameInFileOrderAndIgnoreATrailingPart)
{
    // The 64 bytes after the last whole record would name "low attribute" if they were read.
    const std::string tail = schemeRecord("low attribute", "1", "2", "3").substr(0, 64);
    const std::string bytes = schemeRecord("profile extra text", "1", "2", "3", "4")
        + schemeRecord("low attribute", "10", "20", "30", "40")
        + schemeRecord("nameless", "", "", "")
        + schemeRecord("low attribute", "11", "21", "31", "41")
        + schemeRecord("good attribute", "5", "6", "7")
        + schemeRecord("Good attribute", "9", "9", "9", "9")
        // Numbers outside the byte range keep their low bits and reach the render as read.
        + schemeRecord("excellent attribute", "300", "-1", "256", "999") + tail;
    ASSERT_EQ(bytes.size(), 533u);

    EXPECT_TRUE(load(bytes));
    EXPECT_EQ(slots.colour(0), makeColour(11, 21, 31));
    EXPECT_EQ(slots.alpha(0), "41");
    EXPECT_EQ(slots.colour(2), makeColour(5, 6, 7));
    EXPECT_EQ(slots.colour(3), makeColour(44, 255, 0));
    EXPECT_EQ(slots.colour(7), makeColour(1, 2, 3));
    EXPECT_EQ(slots.alpha(7), "4");
    EXPECT_EQ(calls,
        (Calls {"clear pet", "render pet 4", "clear la", "render la 40", "clear la", "render la 41",
            "clear ga", "render ga 255", "clear ea", "render ea 999"}));
}

TEST_F(ColourSchemeReaderTest, AnEmptyFileChangesNothingAndAMissingOneIsNotRead)
{
    EXPECT_TRUE(load(""));
    EXPECT_FALSE(reader.load((folder / "missing.ctm").string()));
    std::filesystem::create_directory(folder / "folder.ctm");
    EXPECT_FALSE(reader.load((folder / "folder.ctm").string()));
    EXPECT_TRUE(calls.empty());
}

TEST_F(ColourSchemeReaderTest, ATextThatIsNoIntegerStopsAtItsRecordWithTheEarlierOnesApplied)
{
    const std::string first = schemeRecord("low attribute", "10", "20", "30", "40");
    EXPECT_EQ(loadError(first + schemeRecord("normal attribute", "", "", "") + first),
        testing::notAnInteger(""));
    EXPECT_EQ(slots.colour(0), makeColour(10, 20, 30));
    EXPECT_EQ(slots.alpha(0), "40");
    EXPECT_EQ(slots.colour(1), SlotModel::kWhite);
    // The failing record's sample was already cleared; nothing of it was rendered.
    EXPECT_EQ(calls, (Calls {"clear la", "render la 40", "clear na"}));

    // Blue is read first; a bad alpha comes after the colour is set.
    EXPECT_EQ(
        loadError(schemeRecord("special attribute", "x", "y", "z")), testing::notAnInteger("z"));
    EXPECT_EQ(loadError(schemeRecord("special attribute", "1", "2", "3", "a")),
        testing::notAnInteger("a"));
    EXPECT_EQ(slots.colour(4), makeColour(1, 2, 3));
    EXPECT_EQ(slots.alpha(4), "255");
}

} // namespace
} // namespace tintabel
