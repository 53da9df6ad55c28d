#include "colours/ColourRecord.h"

#include "colours/SlotModel.h"
#include "colours/WorkingColourFile.h"

#include <gtest/gtest.h>
#include <string>

namespace tintabel {
namespace {

constexpr std::size_t kRecord = ColourRecord::kSize;

// The bytes of record k of a working file, from offset `from` for `count` bytes.
std::string recordBytes(const std::string& file, std::size_t k, std::size_t from, std::size_t count)
{
    return file.substr(k * kRecord + from, count);
}

TEST(WorkingFileContents, HoldsEightRecordsOfTheSlotNamesInSlotOrder)
{
    SlotModel slotModel;
    const std::string file = WorkingColourFile::contents(slotModel);
    ASSERT_EQ(file.size(), 536u);
    for (std::size_t k = 0; k < kSlotCount; ++k) {
        const std::string_view name = kColourSlots[k].displayName;
        EXPECT_EQ(static_cast<unsigned char>(file[k * kRecord]), name.size()) << k;
        EXPECT_EQ(recordBytes(file, k, 1, name.size()), name) << k;
        // Fresh slots: white and the start alpha.
        EXPECT_EQ(recordBytes(file, k, 51, 16),
            std::string("\x03"
                        "255\x03"
                        "255\x03"
                        "255\x03"
                        "255",
                16));
    }
    EXPECT_EQ(file[0], 13);
    EXPECT_EQ(file[6 * kRecord], 23);
    // Nothing before "low attribute" left anything behind it.
    EXPECT_EQ(file.substr(14, 37), std::string(37, '\0'));
}

TEST(WorkingFileContents, WritesChannelsAsDecimalTextAndCutsTheAlphaToThreeCharacters)
{
    SlotModel slotModel;
    slotModel.setColour(3, 255 + 0 * 256 + 128 * 65536);
    slotModel.setAlpha(3, "200");
    slotModel.setColour(4, 7 + 10 * 256);
    slotModel.setAlpha(4, "7");
    slotModel.setAlpha(5, "1000");
    slotModel.setAlpha(6, "");
    const std::string file = WorkingColourFile::contents(slotModel);

    // Green "0" lies over the "255" of the record before it: the two bytes after it keep "55".
    EXPECT_EQ(recordBytes(file, 3, 51, 16),
        std::string("\x03"
                    "255"
                    "\x01"
                    "055"
                    "\x03"
                    "128"
                    "\x03"
                    "200",
            16));
    // No leading zeros; shorter texts leave the ends of the previous record's ones behind them.
    EXPECT_EQ(recordBytes(file, 4, 51, 16),
        std::string("\x01"
                    "755"
                    "\x02"
                    "105"
                    "\x01"
                    "028"
                    "\x01"
                    "700",
            16));
    EXPECT_EQ(recordBytes(file, 5, 63, 4),
        std::string("\x03"
                    "100",
            4));
    EXPECT_EQ(recordBytes(file, 6, 63, 4),
        std::string("\x00"
                    "100",
            4));
}

TEST(WorkingFileContents, NameAreasKeepWhatLongerNamesLeftInTheSharedBuffer)
{
    const std::string file = WorkingColourFile::contents(SlotModel());
    // "good attribute" (14) follows "normal attribute" (16).
    EXPECT_EQ(recordBytes(file, 2, 0, 17),
        std::string("\x0E"
                    "good attribute"
                    "te",
            17));
    // "attribute label" (15) follows "special attribute" (17): "special attribute" leaves "te".
    EXPECT_EQ(recordBytes(file, 5, 0, 18),
        std::string("\x0F"
                    "attribute label"
                    "te",
            18));
    // "profile extra text" (18) follows "special attribute label" (23).
    EXPECT_EQ(recordBytes(file, 7, 19, 5), "label");
    EXPECT_EQ(recordBytes(file, 7, 24, 27), std::string(27, '\0'));
}

TEST(ColourRecord, ReadsBackWhatItWroteAndNeverPastAnArea)
{
    ColourRecord::Bytes buffer {};
    ColourRecord::fromSlot("special attribute label", 0x80FF07, "1000").writeInto(buffer);
    const ColourRecord back = ColourRecord::readFrom(buffer);
    EXPECT_EQ(back.name, "special attribute label");
    EXPECT_EQ(back.red, "7");
    EXPECT_EQ(back.green, "255");
    EXPECT_EQ(back.blue, "128");
    EXPECT_EQ(back.alpha, "100");

    // A damaged length byte reads at most the field's own area.
    buffer[ColourRecord::kRedOffset] = 200;
    buffer[ColourRecord::kNameOffset] = 255;
    const ColourRecord damaged = ColourRecord::readFrom(buffer);
    EXPECT_EQ(damaged.red, std::string("7\0\0", 3));
    EXPECT_EQ(damaged.name.size(), ColourRecord::kNameArea);
    EXPECT_EQ(damaged.green, "255");
}

TEST(ColourRecord, CutsANameLongerThanFiftyCharacters)
{
    ColourRecord::Bytes buffer {};
    ColourRecord::fromSlot(std::string(60, 'n'), 0, "").writeInto(buffer);
    EXPECT_EQ(buffer[0], 50);
    EXPECT_EQ(buffer[50], 'n');
    EXPECT_EQ(buffer[51], 1);
    EXPECT_EQ(buffer[52], '0');
}

} // namespace
} // namespace tintabel
