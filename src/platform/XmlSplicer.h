#pragma once

#include "platform/XmlEncoding.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tintabel {

// Writes attribute changes into the original bytes of a document, in its own encoding, so that
// everything else (byte order mark, quotes, entities, blanks and line breaks inside and between
// tags) stays byte for byte, which no serialiser of a parsed tree can promise. Tags are found in
// the UTF-8 form of the document, where the parser's positions point.
class XmlSplicer {
public:
    struct StartTagEdit {
        // Where the element's name starts in the UTF-8 form, just after its "<".
        std::size_t nameOffset = 0;
        std::string elementName;
        // Values to write, in the order they were set; a name the tag lacks is added.
        std::vector<std::pair<std::string, std::string>> attributes;
    };

    // The original must outlive the splicer.
    XmlSplicer(std::string_view original, XmlEncoding encoding);
    // It points into itself.
    XmlSplicer(const XmlSplicer&) = delete;
    XmlSplicer& operator=(const XmlSplicer&) = delete;

    // False, recording nothing, when no well-formed start tag of that name starts there. Each
    // start tag takes one edit holding all of its changes.
    bool edit(const StartTagEdit& edit);
    // The original bytes with every recorded edit made.
    std::string result() const;

    // The value as it may stand between the given quotes and read back the same: "&", "<" and the
    // quote become references, and so do tab, CR and LF, which a parser would turn into spaces.
    static std::string escapeValue(std::string_view value, char quote);

private:
    struct Replacement {
        // Positions in the UTF-8 form; the text in UTF-8 too.
        std::size_t begin;
        std::size_t end;
        std::string text;
    };
    struct Attribute {
        std::string_view name;
        std::size_t valueBegin;
        std::size_t valueEnd;
        char quote;
    };
    struct StartTag {
        std::vector<Attribute> attributes;
        // Just after the last attribute's closing quote, or after the name when there is none.
        std::size_t endOfAttributes;
    };

    std::optional<StartTag> scanStartTag(std::size_t nameOffset, std::string_view name) const;
    std::size_t skipBlanks(std::size_t position) const;

    std::string_view m_original;
    XmlEncoding m_encoding;
    std::string m_decoded;
    // The UTF-8 form of the original: the original itself, or m_decoded.
    std::string_view m_text;
    std::vector<Replacement> m_replacements;
};

} // namespace tintabel
