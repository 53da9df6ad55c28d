#include "platform/XmlEncoding.h"

namespace tintabel {
namespace {

std::size_t unitSizeOf(pugi::xml_encoding encoding)
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

// One character of a document's bytes (or a code unit that the parser drops) and its length.
struct Unit {
    std::uint32_t code;
    std::size_t size;
    bool dropped;
};

// A type per encoding, so that each loop over a whole document is compiled for its encoding.
template<std::size_t Size, bool Big> struct UnitReader {
    static constexpr std::size_t kSize = Size;

    static std::uint32_t numberAt(std::string_view bytes, std::size_t position)
    {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < Size; ++i) {
            const auto byte
                = static_cast<unsigned char>(bytes[position + (Big ? i : Size - 1 - i)]);
            value = (value << 8) | byte;
        }
        return value;
    }

    static Unit at(std::string_view bytes, std::size_t position)
    {
        const std::uint32_t code = numberAt(bytes, position);
        if (Size != 2 || code < 0xD800 || code >= 0xE000)
            return {code, Size, false};
        if (code < 0xDC00 && position + 4 <= bytes.size()) {
            const std::uint32_t next = numberAt(bytes, position + 2);
            if (next >= 0xDC00 && next < 0xE000)
                return {0x10000 + ((code - 0xD800) << 10) + (next - 0xDC00), 4, false};
        }
        return {code, 2, true};
    }
};

template<typename Walk> void withReader(std::size_t size, bool big, Walk&& walk)
{
    if (size == 1)
        walk(UnitReader<1, false> {});
    else if (size == 2 && big)
        walk(UnitReader<2, true> {});
    else if (size == 2)
        walk(UnitReader<2, false> {});
    else if (big)
        walk(UnitReader<4, true> {});
    else
        walk(UnitReader<4, false> {});
}

void appendNumber(std::string& out, std::uint32_t value, std::size_t size, bool big)
{
    for (std::size_t i = 0; i < size; ++i) {
        const std::size_t shift = 8 * (big ? size - 1 - i : i);
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

std::size_t utf8Length(std::uint32_t code)
{
    return code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
}

// As the parser writes it, also for numbers beyond U+10FFFF that UTF-32 may hold: the lengths
// must agree with the parser's for its positions to map. Returns the end of what it wrote.
char* writeUtf8(char* out, std::uint32_t code)
{
    if (code < 0x80) {
        *out = static_cast<char>(code);
        return out + 1;
    }
    const std::size_t length = utf8Length(code);
    const unsigned lead = length == 2 ? 0xC0 : length == 3 ? 0xE0 : 0xF0;
    *out++ = static_cast<char>(lead | (code >> (6 * (length - 1))));
    for (std::size_t k = length - 1; k-- > 0;)
        *out++ = static_cast<char>(0x80 | ((code >> (6 * k)) & 0x3F));
    return out;
}

struct Utf8Character {
    std::uint32_t code;
    std::size_t length;
};

// A byte that starts no well-formed sequence stands for itself.
Utf8Character utf8At(std::string_view text, std::size_t position)
{
    const auto lead = static_cast<unsigned char>(text[position]);
    const std::size_t length = lead < 0xC0 ? 1
        : lead < 0xE0                      ? 2
        : lead < 0xF0                      ? 3
        : lead < 0xF8                      ? 4
                                           : 1;
    if (length == 1 || position + length > text.size())
        return {lead, 1};
    std::uint32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[position + k]);
        if ((next & 0xC0) != 0x80)
            return {lead, 1};
        code = (code << 6) | (next & 0x3F);
    }
    return {code, length};
}

} // namespace

XmlEncoding::XmlEncoding(pugi::xml_encoding encoding)
    : m_asItStands(encoding != pugi::encoding_latin1 && unitSizeOf(encoding) == 1)
    , m_unitSize(unitSizeOf(encoding))
    , m_bigEndian(encoding == pugi::encoding_utf16_be || encoding == pugi::encoding_utf32_be)
{
}

std::string_view XmlEncoding::utf8Form(std::string_view bytes, std::string& storage) const
{
    if (m_asItStands)
        return bytes;
    // At most two bytes for a byte of ISO-8859-1, three for two of UTF-16, four for four of UTF-32.
    storage.resize(m_unitSize == 1 ? 2 * bytes.size() : 3 * bytes.size() / 2);
    char* end = storage.data();
    withReader(m_unitSize, m_bigEndian, [&](auto reader) {
        for (std::size_t position = 0; position + reader.kSize <= bytes.size();) {
            const Unit unit = reader.at(bytes, position);
            if (!unit.dropped)
                end = writeUtf8(end, unit.code);
            position += unit.size;
        }
    });
    storage.resize(static_cast<std::size_t>(end - storage.data()));
    return storage;
}

std::vector<XmlEncoding::Range> XmlEncoding::byteRanges(
    std::string_view bytes, const std::vector<Range>& utf8Ranges) const
{
    if (m_asItStands)
        return utf8Ranges;
    std::vector<Range> out;
    out.reserve(utf8Ranges.size());
    withReader(m_unitSize, m_bigEndian, [&](auto reader) {
        std::size_t utf8 = 0;
        std::size_t position = 0;
        const auto advanceTo = [&](std::size_t target, bool pastDropped) {
            while (position + reader.kSize <= bytes.size()) {
                const Unit unit = reader.at(bytes, position);
                if (utf8 >= target && !(pastDropped && unit.dropped))
                    break;
                utf8 += unit.dropped ? 0 : utf8Length(unit.code);
                position += unit.size;
            }
            return position;
        };
        for (const auto& [begin, end] : utf8Ranges) {
            const std::size_t from = advanceTo(begin, true);
            out.emplace_back(from, end > begin ? advanceTo(end, false) : from);
        }
    });
    return out;
}

void XmlEncoding::appendEncoded(std::string& out, std::uint32_t code) const
{
    if (m_unitSize == 4) {
        appendNumber(out, code, 4, m_bigEndian);
    } else if (m_unitSize == 2 && code < 0x10000) {
        appendNumber(out, code, 2, m_bigEndian);
    } else if (m_unitSize == 2 && code <= 0x10FFFF) {
        appendNumber(out, 0xD800 + ((code - 0x10000) >> 10), 2, m_bigEndian);
        appendNumber(out, 0xDC00 + ((code - 0x10000) & 0x3FF), 2, m_bigEndian);
    } else if (code <= 0xFF) {
        out += static_cast<char>(code);
    } else {
        for (const char c : "&#" + std::to_string(code) + ";")
            appendEncoded(out, static_cast<unsigned char>(c));
    }
}

std::string XmlEncoding::encode(std::string_view utf8) const
{
    if (m_asItStands)
        return std::string(utf8);
    std::string out;
    out.reserve(utf8.size() * m_unitSize);
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Character character = utf8At(utf8, i);
        appendEncoded(out, character.code);
        i += character.length;
    }
    return out;
}

bool XmlEncoding::carries(std::string_view utf8) const
{
    if (m_asItStands)
        return true;
    const std::uint32_t limit = m_unitSize == 4 ? 0xFFFFFFFF : m_unitSize == 2 ? 0x10FFFF : 0xFF;
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Character character = utf8At(utf8, i);
        if (character.code > limit)
            return false;
        i += character.length;
    }
    return true;
}

} // namespace tintabel
