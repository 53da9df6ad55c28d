#include "platform/XmlEncoding.h"

#include <cstdint>

namespace tintabel {
namespace {

std::size_t unitSize(pugi::xml_encoding encoding)
{
    switch (encoding) {
    case pugi::encoding_utf16_le:
    case pugi::encoding_utf16_be:
        return 2;
    case pugi::encoding_utf32_le:
    case pugi::encoding_utf32_be:
        return 4;
    default:
        return 1;
    }
}

bool bigEndian(pugi::xml_encoding encoding)
{
    return encoding == pugi::encoding_utf16_be || encoding == pugi::encoding_utf32_be;
}

std::uint32_t unitAt(std::string_view bytes, std::size_t position, std::size_t size, bool big)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[position + (big ? i : size - 1 - i)]);
        value = (value << 8) | byte;
    }
    return value;
}

void appendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | ((code >> 18) & 0x07));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

std::size_t byteOrderMarkLength(std::string_view bytes)
{
    using namespace std::string_view_literals;
    if (bytes.starts_with("\xEF\xBB\xBF"sv))
        return 3;
    if (bytes.starts_with("\xFF\xFE\0\0"sv) || bytes.starts_with("\0\0\xFE\xFF"sv))
        return 4;
    if (bytes.starts_with("\xFF\xFE"sv) || bytes.starts_with("\xFE\xFF"sv))
        return 2;
    return 0;
}

std::string decodeToUtf8(std::string_view bytes, pugi::xml_encoding encoding)
{
    const std::size_t size = unitSize(encoding);
    if (encoding != pugi::encoding_latin1 && size == 1)
        return std::string(bytes);
    const bool big = bigEndian(encoding);
    std::string out;
    out.reserve(bytes.size() * 3 / size);
    for (std::size_t i = 0; i + size <= bytes.size(); i += size) {
        std::uint32_t code = unitAt(bytes, i, size, big);
        if (size == 2 && code >= 0xD800 && code < 0xE000) {
            const bool paired = code < 0xDC00 && i + 2 * size <= bytes.size();
            const std::uint32_t next = paired ? unitAt(bytes, i + size, size, big) : 0;
            if (next < 0xDC00 || next >= 0xE000)
                continue;
            code = 0x10000 + ((code - 0xD800) << 10) + (next - 0xDC00);
            i += size;
        }
        appendUtf8(out, code);
    }
    return out;
}

std::string encodeLatin1(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (length == 1 || i + length > utf8.size()) {
            // ASCII, or a byte that is no UTF-8 lead: the parser passed it through as it was.
            out += utf8[i++];
            continue;
        }
        std::uint32_t code = lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        if (code <= 0xFF)
            out += static_cast<char>(code);
        else
            out += "&#" + std::to_string(code) + ";";
        i += length;
    }
    return out;
}

std::size_t trailingBlankBytes(std::string_view bytes, pugi::xml_encoding encoding)
{
    const std::size_t size = unitSize(encoding);
    if (bytes.size() % size != 0)
        return 0;
    const bool big = bigEndian(encoding);
    std::size_t end = bytes.size();
    while (end >= size) {
        const std::uint32_t unit = unitAt(bytes, end - size, size, big);
        if (unit != ' ' && unit != '\t' && unit != '\r' && unit != '\n')
            break;
        end -= size;
    }
    return bytes.size() - end;
}

} // namespace tintabel
