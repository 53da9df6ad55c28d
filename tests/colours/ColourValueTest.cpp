#include "colours/ColourValue.h"

#include "colours/IntegerText.h"
#include "platform/Errors.h"
#include "support/ErrorText.h"

#include <gtest/gtest.h>
#include <string>

namespace tintabel {
namespace {

// The hex texts of colours are read by the integer rule, so both are tested here.
TEST(IntegerText, AcceptsBlanksSignsAndEveryPrefixAndRefusesEverythingElseNamingTheText)
{
    const std::pair<std::string, std::int32_t> cases[] = {{"0", 0}, {"   -12", -12}, {"+7", 7},
        {"$ff", 255}, {"x10", 16}, {"X10", 16}, {"0x7f", 127}, {"0XAbC", 0xABC}, {"-$10", -16},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        // Hexadecimal fills thirty-two bits and wraps; the sign applies after the wrap.
        {"$80000000", -2147483647 - 1}, {"$FFFFFFFF", -1}, {"-$FFFFFFFF", 1}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(integerFromText(text), value) << '"' << text << '"';

    const std::string refused[] = {"", " ", "12 ", "\t12", "$", "0x", "+-1", "- 1", "1a", "0x1g",
        "2147483648", "-2147483649", "$100000000"};
    for (const std::string& text : refused)
        EXPECT_EQ(testing::errorText<ConversionError>([&] { integerFromText(text); }),
            testing::notAnInteger(text));
}

TEST(ColourValue, PacksRedLowBlueHighFromLowEightBitsAndHexTextRoundTripsOrNamesABadPair)
{
    EXPECT_EQ(makeColour(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(makeColour(0x1FF, 0, -1), 0xFF00FFu);
    EXPECT_EQ(makeColour(0, 0x1FF, 0), 0x00FF00u);
    EXPECT_EQ(channelsOf(0xAB563412u), (RvbBytes {0x12, 0x34, 0x56}));

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
