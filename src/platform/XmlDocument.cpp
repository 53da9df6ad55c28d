#include "platform/XmlDocument.h"

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/XmlEncoding.h"
#include "platform/XmlSplicer.h"

#include <algorithm>
#include <pugixml.hpp>
#include <unordered_map>
#include <vector>

namespace tintabel {
namespace {

constexpr std::size_t kShownLineCharacters = 40;

bool isLineBreakAt(std::string_view text, std::size_t i)
{
    return text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
}

// The parser reports a byte position in the UTF-8 form of the document; the user wants to see
// which line that is and how it starts.
std::string parseMessage(std::string_view reason, std::string_view utf8, std::size_t offset)
{
    offset = std::min(offset, utf8.size());
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < offset; ++i) {
        if (isLineBreakAt(utf8, i)) {
            ++line;
            lineStart = i + 1;
        }
    }
    if (lineStart == 0 && utf8.starts_with("\xEF\xBB\xBF"))
        lineStart = 3;
    const std::size_t lineEnd = std::min(utf8.find_first_of("\r\n", lineStart), utf8.size());

    std::size_t end = lineStart;
    for (std::size_t characters = 0; end < lineEnd; ++end) {
        const bool startsCharacter = (static_cast<unsigned char>(utf8[end]) & 0xC0) != 0x80;
        if (startsCharacter && ++characters > kShownLineCharacters)
            break;
    }
    return formatMessage("%s%s%s: %d%s%s",
        {reason, "\n", "Line", std::to_string(line), "\n",
            utf8.substr(lineStart, end - lineStart)});
}

bool isAttributeName(std::string_view name)
{
    return !name.empty() && std::none_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) <= ' '
            || std::string_view("=<>&\"'/").find(c) != std::string_view::npos;
    });
}

// XML 1.0 has no way at all to carry the other control characters, not even as references.
bool isStorableValue(std::string_view value)
{
    return std::none_of(value.begin(), value.end(), [](char c) {
        return static_cast<unsigned char>(c) < ' ' && c != '\t' && c != '\n' && c != '\r';
    });
}

} // namespace

struct XmlDocument::State {
    struct SetAttribute {
        std::string name;
        std::optional<std::string> original;
    };
    struct ElementEdits {
        std::ptrdiff_t nameOffset = -1;
        std::vector<SetAttribute> attributes;
    };

    std::string original;
    pugi::xml_document dom;
    XmlEncoding encoding {pugi::encoding_utf8};
    bool changed = false;
    std::unordered_map<pugi::xml_node_struct*, ElementEdits> edits;
    // The tree's shape never changes, and the parser keeps children as a list; indexing through
    // this keeps a walk over thousands of entries linear.
    std::unordered_map<pugi::xml_node_struct*, std::vector<pugi::xml_node_struct*>> children;

    const std::vector<pugi::xml_node_struct*>& childrenOf(pugi::xml_node_struct* node)
    {
        auto [found, added] = children.try_emplace(node);
        if (added) {
            for (pugi::xml_node child = pugi::xml_node(node).first_child(); child;
                 child = child.next_sibling())
                found->second.push_back(child.internal_object());
        }
        return found->second;
    }

    void recordSet(pugi::xml_node element, const std::string& name)
    {
        auto [found, added] = edits.try_emplace(element.internal_object());
        ElementEdits& record = found->second;
        if (added)
            record.nameOffset = element.offset_debug();
        const bool known = std::any_of(record.attributes.begin(), record.attributes.end(),
            [&name](const SetAttribute& set) { return set.name == name; });
        if (known)
            return;
        const pugi::xml_attribute attribute = element.attribute(name.c_str());
        record.attributes.push_back(
            {name, attribute ? std::optional<std::string>(attribute.value()) : std::nullopt});
    }

    static bool differs(pugi::xml_node_struct* element, const SetAttribute& set)
    {
        return set.original != pugi::xml_node(element).attribute(set.name.c_str()).value();
    }

    bool anyDifference() const
    {
        return std::any_of(edits.begin(), edits.end(), [](const auto& entry) {
            return std::any_of(entry.second.attributes.begin(), entry.second.attributes.end(),
                [&entry](const SetAttribute& set) { return differs(entry.first, set); });
        });
    }

    std::string splice() const
    {
        XmlSplicer splicer(original, encoding);
        for (const auto& [element, record] : edits) {
            XmlSplicer::StartTagEdit edit;
            for (const SetAttribute& set : record.attributes) {
                if (differs(element, set))
                    edit.attributes.emplace_back(
                        set.name, pugi::xml_node(element).attribute(set.name.c_str()).value());
            }
            if (edit.attributes.empty())
                continue;
            edit.elementName = pugi::xml_node(element).name();
            // The parser's -1 for a tag it cannot place becomes a position past every document.
            edit.nameOffset = static_cast<std::size_t>(record.nameOffset);
            // The parser found the tag there, so a miss would be a fault of ours; writing on
            // might damage the user's file.
            if (!splicer.edit(edit))
                throw XmlError(formatMessage(
                    "Cannot write the changes: the tag <%s> was not found where it was read",
                    {edit.elementName}));
        }
        return splicer.result();
    }
};

XmlDocument::XmlDocument(std::unique_ptr<State> state)
    : m_state(std::move(state))
{
}

XmlDocument::XmlDocument(XmlDocument&&) noexcept = default;
XmlDocument& XmlDocument::operator=(XmlDocument&&) noexcept = default;
XmlDocument::~XmlDocument() = default;

XmlDocument XmlDocument::parse(std::string bytes)
{
    auto state = std::make_unique<State>();
    state->original = std::move(bytes);
    // Carriage returns stay, so that the original bytes and the parser's positions agree.
    const unsigned options = (pugi::parse_full | pugi::parse_ws_pcdata) & ~pugi::parse_eol;
    const pugi::xml_parse_result result = state->dom.load_buffer(
        state->original.data(), state->original.size(), options, pugi::encoding_auto);
    state->encoding = XmlEncoding(result.encoding);
    if (!result) {
        std::string decoded;
        throw XmlError(
            parseMessage(result.description(), state->encoding.utf8Form(state->original, decoded),
                static_cast<std::size_t>(std::max<std::ptrdiff_t>(result.offset, 0))));
    }
    return XmlDocument(std::move(state));
}

XmlDocument XmlDocument::load(FileSystem& files, std::string_view path)
{
    std::string bytes;
    try {
        bytes = files.readFile(path);
    } catch (const InOutError& error) {
        throw XmlError(formatMessage("%s%s%s", {error.what(), "\n", path}));
    }
    return parse(std::move(bytes));
}

XmlNode XmlDocument::documentElement()
{
    return XmlNode(m_state->dom.document_element().internal_object(), m_state.get());
}

bool XmlDocument::changed() const
{
    return m_state->changed;
}

std::string XmlDocument::serialize() const
{
    if (!m_state->anyDifference())
        return m_state->original;
    return m_state->splice();
}

void XmlDocument::save(FileSystem& files, std::string_view path) const
{
    files.writeFileAtomically(path, serialize());
}

XmlNode::XmlNode(pugi::xml_node_struct* node, XmlDocument::State* state)
    : m_node(node)
    , m_state(state)
{
}

bool XmlNode::isElement() const
{
    return pugi::xml_node(m_node).type() == pugi::node_element;
}

std::string XmlNode::localName() const
{
    if (!isElement())
        return {};
    const std::string_view name = pugi::xml_node(m_node).name();
    const std::size_t colon = name.find(':');
    return std::string(colon == std::string_view::npos ? name : name.substr(colon + 1));
}

std::size_t XmlNode::childCount() const
{
    return m_state->childrenOf(m_node).size();
}

XmlNode XmlNode::child(std::size_t index) const
{
    const auto& children = m_state->childrenOf(m_node);
    if (index >= children.size())
        throw XmlError(formatMessage("List index out of bounds (%d)", {std::to_string(index)}));
    return XmlNode(children[index], m_state);
}

std::optional<std::string> XmlNode::attribute(std::string_view name) const
{
    if (!isElement())
        return std::nullopt;
    const pugi::xml_attribute found = pugi::xml_node(m_node).attribute(std::string(name).c_str());
    if (!found)
        return std::nullopt;
    return std::string(found.value());
}

void XmlNode::setAttribute(std::string_view name, std::string_view value)
{
    if (!isElement())
        throw XmlError("Only an element has attributes");
    if (!isAttributeName(name) || !m_state->encoding.carries(name))
        throw XmlError(formatMessage("'%s' is not a valid attribute name", {name}));
    if (!isStorableValue(value))
        throw XmlError("An attribute value cannot hold control characters");

    const std::string key(name);
    pugi::xml_node element(m_node);
    m_state->recordSet(element, key);
    pugi::xml_attribute attribute = element.attribute(key.c_str());
    if (!attribute)
        attribute = element.append_attribute(key.c_str());
    attribute.set_value(value.data(), value.size());
    m_state->changed = true;
}

} // namespace tintabel
