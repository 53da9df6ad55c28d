#pragma once

#include <cstddef>
#include <cstdint>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tintabel {

// The encoding in which the XML parser read a document, and the way between the document's own
// bytes and the UTF-8 form in which the parser keeps it and reports positions. UTF-8 is the
// trivial case: its form is the bytes themselves, even where they are no valid UTF-8 (a code page
// the parser does not know is read, and written back, as it stands).
class XmlEncoding {
public:
    explicit XmlEncoding(pugi::xml_encoding encoding);

    // The bytes in UTF-8, converted as the parser converts them (a byte order mark becomes
    // U+FEFF, lone UTF-16 surrogates are dropped), so that the parser's positions point into it.
    // For UTF-8 this is the bytes themselves, without a copy; storage holds the text otherwise.
    std::string_view utf8Form(std::string_view bytes, std::string& storage) const;
    // The ranges of the bytes that the given ranges of their UTF-8 form stand for. A range
    // starts after the units the conversion dropped at its start and ends before those at its
    // end, so that one from a character to a character takes in every dropped unit between them
    // and none outside. The ranges must not overlap nor go back, and each bound must start a
    // character.
    using Range = std::pair<std::size_t, std::size_t>;
    std::vector<Range> byteRanges(
        std::string_view bytes, const std::vector<Range>& utf8Ranges) const;

    // UTF-8 text written in this encoding, with a character reference ("&#8364;") for each
    // character the encoding cannot carry; so only for attribute values and text, where such a
    // reference stands for its character. A byte that is no UTF-8 is taken as the character of
    // that number.
    std::string encode(std::string_view utf8) const;
    // Whether the encoding carries every character of the UTF-8 text as itself.
    bool carries(std::string_view utf8) const;

private:
    void appendEncoded(std::string& out, std::uint32_t code) const;

    // UTF-8, and whatever the parser reads as UTF-8.
    bool m_asItStands;
    std::size_t m_unitSize;
    bool m_bigEndian;
};

} // namespace tintabel
