#include "platform/XmlSplicer.h"

#include "platform/TextTrim.h"

#include <algorithm>

namespace tintabel {

XmlSplicer::XmlSplicer(std::string_view original, XmlEncoding encoding)
    : m_original(original)
    , m_encoding(encoding)
    , m_text(m_encoding.utf8Form(original, m_decoded))
{
}

std::size_t XmlSplicer::skipBlanks(std::size_t position) const
{
    while (position < m_text.size() && isBlank(m_text[position]))
        ++position;
    return position;
}

std::optional<XmlSplicer::StartTag> XmlSplicer::scanStartTag(
    std::size_t nameOffset, std::string_view name) const
{
    const std::string_view text = m_text;
    if (nameOffset == 0 || nameOffset >= text.size() || name.size() >= text.size() - nameOffset
        || text[nameOffset - 1] != '<' || text.substr(nameOffset, name.size()) != name)
        return std::nullopt;

    // After an XML declaration closed with "/>" the parser reads on as in the declaration, and
    // takes "?>" for the end of the tags that follow, which must be found again all the same.
    const auto ends = [text](std::size_t at) {
        return text[at] == '>' || text.substr(at, 2) == "/>" || text.substr(at, 2) == "?>";
    };
    StartTag tag {{}, nameOffset + name.size()};
    std::size_t position = tag.endOfAttributes;
    if (!isBlank(text[position]) && !ends(position))
        return std::nullopt;
    while (true) {
        position = skipBlanks(position);
        if (position >= text.size())
            return std::nullopt;
        if (ends(position))
            return tag;

        const std::size_t nameBegin = position;
        while (position < text.size() && !isBlank(text[position]) && text[position] != '='
            && text[position] != '/' && text[position] != '>')
            ++position;
        const std::string_view attributeName = text.substr(nameBegin, position - nameBegin);
        position = skipBlanks(position);
        if (attributeName.empty() || position >= text.size() || text[position] != '=')
            return std::nullopt;
        position = skipBlanks(position + 1);
        if (position >= text.size() || (text[position] != '"' && text[position] != '\''))
            return std::nullopt;
        const char quote = text[position];
        const std::size_t valueEnd = text.find(quote, position + 1);
        if (valueEnd == std::string_view::npos)
            return std::nullopt;
        tag.attributes.push_back({attributeName, position + 1, valueEnd, quote});
        position = valueEnd + 1;
        tag.endOfAttributes = position;
    }
}

bool XmlSplicer::edit(const StartTagEdit& edit)
{
    const std::optional<StartTag> tag = scanStartTag(edit.nameOffset, edit.elementName);
    if (!tag)
        return false;

    std::string added;
    for (const auto& [name, value] : edit.attributes) {
        const auto existing = std::find_if(tag->attributes.begin(), tag->attributes.end(),
            [&name](const Attribute& attribute) { return attribute.name == name; });
        if (existing == tag->attributes.end())
            added += ' ' + name + "=\"" + escapeValue(value, '"') + '"';
        else // with its quotes, so that nothing the parser dropped inside is left behind
            m_replacements.push_back({existing->valueBegin - 1, existing->valueEnd + 1,
                existing->quote + escapeValue(value, existing->quote) + existing->quote});
    }
    if (!added.empty())
        m_replacements.push_back({tag->endOfAttributes, tag->endOfAttributes, std::move(added)});
    return true;
}

std::string XmlSplicer::result() const
{
    std::vector<const Replacement*> ordered;
    ordered.reserve(m_replacements.size());
    std::size_t growth = 0;
    for (const Replacement& replacement : m_replacements) {
        ordered.push_back(&replacement);
        growth += replacement.text.size();
    }
    std::stable_sort(ordered.begin(), ordered.end(),
        [](const Replacement* a, const Replacement* b) { return a->begin < b->begin; });
    std::vector<XmlEncoding::Range> ranges;
    ranges.reserve(ordered.size());
    for (const Replacement* replacement : ordered)
        ranges.emplace_back(replacement->begin, replacement->end);
    ranges = m_encoding.byteRanges(m_original, ranges);

    std::string out;
    out.reserve(m_original.size() + 4 * growth);
    std::size_t copied = 0;
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        out.append(m_original.substr(copied, ranges[i].first - copied));
        out += m_encoding.encode(ordered[i]->text);
        copied = ranges[i].second;
    }
    out.append(m_original.substr(copied));
    return out;
}

std::string XmlSplicer::escapeValue(std::string_view value, char quote)
{
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '\t':
            out += "&#9;";
            break;
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        default:
            if (c == quote)
                out += quote == '"' ? "&quot;" : "&apos;";
            else
                out += c;
        }
    }
    return out;
}

} // namespace tintabel
