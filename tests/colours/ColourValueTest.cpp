#include "colours/ColourValue.h"

#include "platform/Errors.h"
#include "support/ErrorText.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

TEST(ColourValue, PacksRedLowBlueHigh)
{
    constexpr ColourValue colour = makeColour(0x12, 0x34, 0x56);
    static_assert(colour == 0x563412);
    EXPECT_EQ(redOf(colour), 0x12);
    EXPECT_EQ(greenOf(colour), 0x34);
    EXPECT_EQ(blueOf(colour), 0x56);
    // Channels contribute their low 8 bits only.
    EXPECT_EQ(makeColour(256, -1, 0x1FF), 0xFFFF00u);
    EXPECT_EQ(ColourToTriple(colour), (std::array<std::uint8_t, 3> {0x56, 0x34, 0x12}));
}

TEST(ColourValue, HexTextRoundTrips)
{
    EXPECT_EQ(RgbToHex(255, 0, 128), "FF0080");
    EXPECT_EQ(RgbToHex(10, 11, 0), "0A0B00");
    EXPECT_EQ(HexToColour("FF0080"), makeColour(255, 0, 128));
    EXPECT_EQ(HexToColour("ff8000"), makeColour(255, 128, 0));
    for (const ColourValue colour : {0x000000u, 0xFFFFFFu, 0x0A0B0Cu, 0x563412u, 0x00FF01u}) {
        const std::string hex = RgbToHex(redOf(colour), greenOf(colour), blueOf(colour));
        EXPECT_EQ(hex.size(), 6u);
        EXPECT_EQ(HexToColour(hex), colour) << hex;
    }
}

std::string hexError(std::string_view hex)
{
    return testing::errorText<ConversionError>([&] { HexToColour(hex); });
}

TEST(ColourValue, ABadPairIsAConversionErrorNamingIt)
{
    EXPECT_EQ(hexError("G10000"), testing::notAnInteger("$G1"));
    EXPECT_EQ(hexError("00 F00"), testing::notAnInteger("$ F"));
    EXPECT_EQ(hexError("0000-1"), testing::notAnInteger("$-1"));
    // Blue is read first, so of two bad pairs the rightmost one is named.
    EXPECT_EQ(hexError("ZZ00YY"), testing::notAnInteger("$YY"));
    EXPECT_EQ(hexError("FFFF"), testing::notAnInteger("$"));
}

} // namespace
} // namespace tintabel
