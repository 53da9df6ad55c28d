#include "colours/ColourRecord.h"

#include "colours/ColourSchemeReader.h"
#include "colours/SlotModel.h"
#include "colours/WorkingColourFile.h"
#include "platform/Errors.h"
#include "platform/doubles/FaultyFileSystem.h"
#include "support/ErrorText.h"
#include "support/SchemeRecord.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tintabel {
namespace {

constexpr std::size_t kRecord = ColourRecord::kSize;

// Length bytes are written as octal escapes, which end after three digits: "\003255" is 3, "255".
TEST(ColourRecord, RecordsShareOneBufferThatNoRecordClearsAndNoneReadsOrWritesPastAnArea)
{
    SlotModel slots;
    slots.setColour(3, 255 + 0 * 256 + 128 * 65536);
    slots.setAlpha(3, "200");
    slots.setColour(4, 7 + 10 * 256);
    slots.setAlpha(4, "7");
    slots.setAlpha(5, "1000");
    slots.setAlpha(6, "");
    const std::string file = WorkingColourFile::contents(slots);
    ASSERT_EQ(file.size(), 8 * kRecord);
    // Record, offset in it, and the bytes there.
    const std::tuple<std::size_t, std::size_t, std::string> cases[] = {
        // Fresh slots: white and the start alpha; nothing came before the first name.
        {0, 0, "\015low attribute" + std::string(37, '\0')},
        {0, 51, "\003255\003255\003255\003255"},
        // Names keep what longer names before them left behind.
        {2, 0, "\016good attributete"},
        {5, 0, "\017attribute labelte"},
        {6, 0, "\027special attribute label"},
        {7, 19, "label" + std::string(27, '\0')},
        // Decimal texts without leading zeros over the previous record's longer ones.
        {3, 51, "\003255\001055\003128\003200"},
        {4, 51, "\001755\002105\001028\001700"},
        // The alpha cut to three characters, and an empty one.
        {5, 63, "\003100"},
        {6, 63, std::string("\000100", 4)},
    };
    for (const auto& [record, from, bytes] : cases)
        EXPECT_EQ(file.substr(record * kRecord + from, bytes.size()), bytes) << record;

    ColourRecord::Bytes buffer {};
    ColourRecord::fromSlot("special attribute label", 0x80FF07, "1000").writeInto(buffer);
    // A damaged length byte reads at most the field's own area.
    buffer[ColourRecord::kRedOffset] = 200;
    buffer[ColourRecord::kNameOffset] = 255;
    const ColourRecord damaged = ColourRecord::readFrom(buffer);
    EXPECT_EQ(damaged.red, std::string("7\0\0", 3));
    EXPECT_EQ(damaged.name.size(), ColourRecord::kNameArea);
    EXPECT_EQ(damaged.green, "255");

    // A name longer than its area is cut to it.
    buffer = {};
    ColourRecord::fromSlot(std::string(60, 'n'), 0, "").writeInto(buffer);
    EXPECT_EQ(
        std::string(buffer.begin(), buffer.begin() + 53), "\062" + std::string(50, 'n') + "\0010");
}

using testing::schemeRecord;
// Slot and alpha of each render, the alpha -1 where the sample was cleared.
using Calls = std::vector<std::pair<std::size_t, std::int32_t>>;

class ColourSchemeReaderTest : public ::testing::Test {
protected:
    // A scheme is only read, so one in a folder that may not be written loads.
    ColourSchemeReaderTest() { files.refuseWrites(folder.withSlash()); }

    bool load(const std::string& bytes)
    {
        folder.write("scheme.ctm", bytes);
        return reader.load((folder / "scheme.ctm").string());
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
            .clearSample = [this](std::size_t index) { calls.emplace_back(index, -1); },
            .sampleRender =
                [this](std::size_t index, std::int32_t alpha) {
                    calls.emplace_back(index, alpha);
                    slots.setAlpha(index, std::to_string(alpha));
                },
        }};
};

TEST_F(ColourSchemeReaderTest, RecordsApplyByExactNameInFileOrderAndIgnoreATrailingPart)
{
    // An empty file changes nothing and a missing one is not read: no call before the records'.
    EXPECT_TRUE(load(""));
    EXPECT_FALSE(reader.load((folder / "missing.ctm").string()));
    std::filesystem::create_directory(folder / "folder.ctm");
    EXPECT_FALSE(reader.load((folder / "folder.ctm").string()));
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

    EXPECT_TRUE(load(bytes));
    EXPECT_EQ(slots.colour(0), makeColour(11, 21, 31));
    EXPECT_EQ(slots.colour(2), makeColour(5, 6, 7));
    EXPECT_EQ(slots.colour(3), makeColour(44, 255, 0));
    EXPECT_EQ(slots.colour(7), makeColour(1, 2, 3));
    EXPECT_EQ(calls,
        (Calls {{7, -1}, {7, 4}, {0, -1}, {0, 40}, {0, -1}, {0, 41}, {2, -1}, {2, 255}, {3, -1},
            {3, 999}}));
}

TEST_F(ColourSchemeReaderTest, ATextThatIsNoIntegerStopsAtItsRecordWithTheEarlierOnesApplied)
{
    const std::string first = schemeRecord("low attribute", "10", "20", "30", "40");
    EXPECT_EQ(loadError(first + schemeRecord("normal attribute", "", "", "") + first),
        testing::notAnInteger(""));
    EXPECT_EQ(slots.colour(0), makeColour(10, 20, 30));
    // The failing record's sample was already cleared; nothing of it was rendered.
    EXPECT_EQ(calls, (Calls {{0, -1}, {0, 40}, {1, -1}}));

    // Blue is read first; a bad alpha comes after the colour is set.
    EXPECT_EQ(
        loadError(schemeRecord("special attribute", "x", "y", "z")), testing::notAnInteger("z"));
    EXPECT_EQ(loadError(schemeRecord("special attribute", "1", "2", "3", "a")),
        testing::notAnInteger("a"));
    EXPECT_EQ(slots.colour(4), makeColour(1, 2, 3));
}

} // namespace
} // namespace tintabel
