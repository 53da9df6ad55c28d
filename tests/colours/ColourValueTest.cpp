#include "colours/ColourValue.h"

#include "platform/Errors.h"
#include "support/ErrorText.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

TEST(ColourValue, PacksRedLowBlueHigh)
{
    constexpr ColourValue colour = makeColour(0x12, 0x34, 0x56);
    EXPECT_EQ(colour, 0x563412u);
    EXPECT_EQ(makeColour(RvbBytes {0x12, 0x34, 0x56}), colour);
    EXPECT_EQ(channelsOf(colour), (RvbBytes {0x12, 0x34, 0x56}));
    // Channels contribute their low 8 bits only; a top byte is no channel.
    EXPECT_EQ(makeColour(256, -1, 0x1FF), 0xFFFF00u);
    EXPECT_EQ(channelsOf(0xAB563412u), (RvbBytes {0x12, 0x34, 0x56}));
}

TEST(ColourValue, HexTextRoundTripsInEitherCase)
{
    const struct {
        ColourValue colour;
        const char* hex;
    } cases[] = {{0x8000FFu, "FF0080"}, {0x000B0Au, "0A0B00"}, {0x563412u, "123456"},
        {0x000000u, "000000"}, {0xFFFFFFu, "FFFFFF"}, {0xC0DEFAu, "FADEC0"}};
    for (const auto& [colour, hex] : cases) {
        SCOPED_TRACE(hex);
        EXPECT_EQ(RgbToHex(redOf(colour), greenOf(colour), blueOf(colour)), hex);
        EXPECT_EQ(HexToColour(hex), colour);
    }
    EXPECT_EQ(HexToColour("faDEc0"), 0xC0DEFAu);
}

TEST(ColourValue, ABadPairIsAConversionErrorNamingIt)
{
    // Blue is read first, so of two bad pairs the rightmost one is named.
    const struct {
        const char* hex;
        const char* pair;
    } cases[] = {
        {"G10000", "$G1"}, {"00 F00", "$ F"}, {"0000-1", "$-1"}, {"ZZ00YY", "$YY"}, {"FFFF", "$"}};
    for (const auto& [hex, pair] : cases) {
        SCOPED_TRACE(hex);
        EXPECT_EQ(testing::errorText<ConversionError>([hex] { HexToColour(hex); }),
            testing::notAnInteger(pair));
    }
}

} // namespace
} // namespace tintabel
