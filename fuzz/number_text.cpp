// The integer-text rule and the hex-text rule, against the standard library's number reading.
#include "colours/ColourValue.h"
#include "colours/IntegerText.h"
#include "platform/Errors.h"
#include "support/Check.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

using namespace tintabel;

namespace {

bool isHexDigit(char c)
{
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// What a text of only digits (decimal, or hexadecimal wrapping into 32 bits) should read as.
std::optional<std::int32_t> expected(std::string_view digits, int base, bool negative)
{
    if (digits.empty()
        || digits.find_first_not_of(base == 16 ? "0123456789abcdefABCDEF" : "0123456789")
            != std::string_view::npos)
        return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, error]
        = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : negative ? 0x80000000u : 0x7FFFFFFFu;
    if (magnitude > limit)
        return std::nullopt;
    const std::int64_t value
        = base == 16 ? static_cast<std::int32_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::optional<std::int32_t> expected(std::string_view text)
{
    while (text.starts_with(' '))
        text.remove_prefix(1);
    bool negative = false;
    if (text.starts_with('+') || text.starts_with('-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    for (const std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (text.starts_with(prefix))
            return expected(text.substr(prefix.size()), 16, negative);
    }
    return expected(text, 10, negative);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> read = tryIntegerFromText(text);
    FUZZ_CHECK(read == expected(text));
    try {
        FUZZ_CHECK(integerFromText(text) == *read);
    } catch (const ConversionError& error) {
        FUZZ_CHECK(!read);
        // The message is a C string: a NUL in the text ends it there.
        const std::string message = "'" + std::string(text) + "' is not a valid integer value";
        FUZZ_CHECK(std::string_view(error.what()) == message.c_str());
    }

    // Six hex digits read as their colour; anything else of six characters is refused.
    if (size == 6) {
        const bool digits = std::ranges::all_of(text, isHexDigit);
        try {
            const ColourValue colour = HexToColour(text);
            FUZZ_CHECK(
                digits && RgbToHex(redOf(colour), greenOf(colour), blueOf(colour)) == upper(text));
        } catch (const ConversionError&) {
            FUZZ_CHECK(!digits);
        }
    }
    return 0;
}
