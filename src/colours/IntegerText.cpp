#include "colours/IntegerText.h"

#include "platform/Errors.h"

namespace tintabel {

namespace {

int digitValue(char c, unsigned base)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Leaves the digits in text and says which base they are in.
unsigned takePrefix(std::string_view& text)
{
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
        text.remove_prefix(1);
        return 16;
    }
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        return 16;
    }
    return 10;
}

} // namespace

std::optional<std::int32_t> tryIntegerFromText(std::string_view text)
{
    while (text.starts_with(' '))
        text.remove_prefix(1);
    bool negative = false;
    if (text.starts_with('+') || text.starts_with('-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const unsigned base = takePrefix(text);
    if (text.empty())
        return std::nullopt;

    // The magnitude is gathered in 64 bits, where neither limit can overflow before it is checked.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    std::uint64_t magnitude = 0;
    for (const char c : text) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + static_cast<unsigned>(digit);
        if (magnitude > limit)
            return std::nullopt;
    }
    // Unsigned arithmetic gives the 32-bit wrap of hexadecimal values and of the negated minimum.
    std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    if (negative)
        bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
}

std::int32_t integerFromText(std::string_view text)
{
    if (const auto value = tryIntegerFromText(text))
        return *value;
    throw ConversionError(formatMessage("'%s' is not a valid integer value", {text}));
}

} // namespace tintabel
