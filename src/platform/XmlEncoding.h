#pragma once

#include <cstddef>
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace tintabel {

// Byte-level helpers for documents in the encodings the XML parser reads. The parser works on
// UTF-8 internally, so its positions are positions in the UTF-8 form of a document.

// The length of the byte order mark the bytes start with (UTF-8, UTF-16 or UTF-32), else 0.
std::size_t byteOrderMarkLength(std::string_view bytes);

// The bytes of a document in the given encoding, as UTF-8 the way the parser converts them
// (a byte order mark becomes U+FEFF; lone UTF-16 surrogates are dropped), so that its positions
// can be looked up.
std::string decodeToUtf8(std::string_view bytes, pugi::xml_encoding encoding);

// UTF-8 text of a document as ISO-8859-1. The parser's own conversion writes "?" for a character
// beyond U+00FF, losing it; such a character can only come from a character reference in text or
// in an attribute value, so it is written back as one ("&#8364;").
std::string encodeLatin1(std::string_view utf8);

// How many bytes at the end of a document in the given encoding are blanks (space, tab, CR, LF).
std::size_t trailingBlankBytes(std::string_view bytes, pugi::xml_encoding encoding);

} // namespace tintabel
