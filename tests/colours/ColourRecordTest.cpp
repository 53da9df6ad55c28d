#include "colours/ColourRecord.h"

#include "colours/SlotModel.h"
#include "colours/WorkingColourFile.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace tintabel {
namespace {

constexpr std::size_t kRecord = ColourRecord::kSize;

// Length bytes are written as octal escapes, which end after three digits: "\003255" is 3, "255".
TEST(WorkingFileContents, RecordsShareOneBufferThatNoRecordClears)
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
        {1, 0, "\020normal attribute"},
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
}

TEST(ColourRecord, ReadsBackWhatItWroteAndNeverPastAnArea)
{
    ColourRecord::Bytes buffer {};
    ColourRecord::fromSlot("special attribute label", 0x80FF07, "1000").writeInto(buffer);
    const ColourRecord back = ColourRecord::readFrom(buffer);
    EXPECT_EQ(std::tie(back.name, back.red, back.green, back.blue, back.alpha),
        std::tuple("special attribute label", "7", "255", "128", "100"));

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

} // namespace
} // namespace tintabel
