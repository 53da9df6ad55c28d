#include "platform/Errors.h"

namespace tintabel {

std::string formatMessage(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string result;
    result.reserve(pattern.size() + 32);
    auto next = values.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            const char kind = pattern[i + 1];
            if (kind == '%') {
                result += '%';
                ++i;
                continue;
            }
            if ((kind == 's' || kind == 'd') && next != values.end()) {
                result += *next++;
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

} // namespace tintabel
