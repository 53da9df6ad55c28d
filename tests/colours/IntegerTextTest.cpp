#include "colours/IntegerText.h"

#include "platform/Errors.h"
#include "support/ErrorText.h"

#include <gtest/gtest.h>
#include <string>

namespace tintabel {
namespace {

TEST(IntegerText, AcceptsBlanksSignsAndEveryPrefix)
{
    const std::pair<std::string, std::int32_t> cases[] = {{"0", 0}, {"   -12", -12}, {"+7", 7},
        {"$ff", 255}, {"x10", 16}, {"X10", 16}, {"0x7f", 127}, {"0XAbC", 0xABC}, {"-$10", -16},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        // Hexadecimal fills thirty-two bits and wraps; the sign applies after the wrap.
        {"$80000000", -2147483647 - 1}, {"$FFFFFFFF", -1}, {"-$FFFFFFFF", 1}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(tryIntegerFromText(text), value) << '"' << text << '"';
        EXPECT_EQ(integerFromText(text), value) << '"' << text << '"';
    }
}

TEST(IntegerText, RefusesEverythingElseNamingTheText)
{
    const std::string refused[] = {"", " ", "12 ", "\t12", "$", "0x", "+-1", "- 1", "1a", "0x1g",
        "2147483648", "-2147483649", "$100000000"};
    for (const std::string& text : refused) {
        EXPECT_EQ(tryIntegerFromText(text), std::nullopt) << '"' << text << '"';
        EXPECT_EQ(testing::errorText<ConversionError>([&] { integerFromText(text); }),
            testing::notAnInteger(text));
    }
}

} // namespace
} // namespace tintabel
