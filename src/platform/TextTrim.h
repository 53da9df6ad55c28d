#pragma once

#include <string_view>

namespace tintabel {

// Blanks as the text formats we read treat them: spaces, tabs, line breaks (with the carriage
// return of a CRLF), vertical tabs and form feeds. Not std::isspace, which follows the locale.
// XML allows only the first four between attributes, so the others never reach its scanner.
constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

constexpr std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace tintabel
