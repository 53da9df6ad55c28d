#include "colours/ColourValue.h"

#include "platform/Errors.h"
#include "support/ErrorText.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

TEST(ColourValue, PacksRedLowBlueHighFromTheLowEightBitsOfEachChannel)
{
    EXPECT_EQ(makeColour(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(makeColour(256, -1, 0x1FF), 0xFFFF00u);
    EXPECT_EQ(channelsOf(0xAB563412u), (RvbBytes {0x12, 0x34, 0x56}));
}

TEST(ColourValue, HexTextRoundTripsAndABadPairIsNamed)
{
    for (const auto& [colour, hex] : {std::pair {0x8000FFu, "FF0080"}, {0x000B0Au, "0A0B00"}}) {
        EXPECT_EQ(RgbToHex(redOf(colour), greenOf(colour), blueOf(colour)), hex);
        EXPECT_EQ(HexToColour(hex), colour);
    }
    EXPECT_EQ(HexToColour("faDEc0"), 0xC0DEFAu);
    // Blue is read first, so of two bad pairs the rightmost one is named; a missing pair is empty.
    for (const auto& [hex, pair] : {std::pair {"ZZ00YY", "$YY"}, {"FFFF", "$"}}) {
        EXPECT_EQ(testing::errorText<ConversionError>([hex] { HexToColour(hex); }),
            testing::notAnInteger(pair));
    }
}

} // namespace
} // namespace tintabel
