#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace pugi {
struct xml_node_struct;
}

namespace tintabel {

class FileSystem;
class XmlNode;

// An XML document read whole into memory, as the program reads skin files: any encoding that
// the parser knows (UTF-8, UTF-16 and UTF-32 with or without a byte order mark, ISO-8859-1 named
// in the declaration), every byte kept (carriage returns too). A code page the parser does not
// know (windows-1250, say) is read as UTF-8, and its bytes stay as they are.
//
// Writing back: a document in which nothing changed, or whose values were only set to what they
// were, comes back byte for byte. Otherwise only the bytes of the attribute values that changed
// are replaced, and added attributes are inserted after the last attribute of their tag as
// name="value"; every other byte stays as it was. New values are written in the document's own
// encoding, a character it cannot carry (beyond ISO-8859-1, say) as a character reference.
class XmlDocument {
public:
    // Raises XmlError: "<reason>\nLine: <n>\n<the first 40 characters of that line>". An empty
    // document is an error too (no document element).
    static XmlDocument parse(std::string bytes);
    // Reads the file and parses it. A file that cannot be read raises XmlError
    // "<reason>\n<path>" (the parse message without its line part, the path in place of the line).
    static XmlDocument load(FileSystem& files, std::string_view path);

    XmlDocument(XmlDocument&&) noexcept;
    XmlDocument& operator=(XmlDocument&&) noexcept;
    ~XmlDocument();

    XmlNode documentElement();
    // Whether any attribute was set since the document was parsed (even to the value it had).
    bool changed() const;
    // The document's bytes with the changes made.
    std::string serialize() const;
    // Writes serialize() over the file atomically (InOutError on failure).
    void save(FileSystem& files, std::string_view path) const;

private:
    friend class XmlNode;
    struct State;
    explicit XmlDocument(std::unique_ptr<State> state);
    std::unique_ptr<State> m_state;
};

// A node of an XmlDocument; valid while its document lives (moving the document keeps it valid).
// A node that is not an element (text, comment, processing instruction, CDATA) has an empty local
// name and no attributes.
class XmlNode {
public:
    bool isElement() const;
    // The name without its namespace prefix ("colour" for "c:colour").
    std::string localName() const;
    // Direct children of every kind, in document order. Counting and indexing are cheap, so a
    // walk over all children by index stays linear.
    std::size_t childCount() const;
    // Raises XmlError for an index at or past childCount().
    XmlNode child(std::size_t index) const;
    // Nothing when the element has no such attribute; "" when it is present and empty.
    std::optional<std::string> attribute(std::string_view name) const;
    // Replaces the value of the attribute, or adds it after the others. Raises XmlError on a node
    // that is not an element, for a name that cannot stand in a tag (or that the document's
    // encoding cannot carry), and for a value holding a character that XML cannot carry (control
    // characters other than tab, CR and LF).
    void setAttribute(std::string_view name, std::string_view value);

private:
    friend class XmlDocument;
    XmlNode(pugi::xml_node_struct* node, XmlDocument::State* state);
    pugi::xml_node_struct* m_node = nullptr;
    XmlDocument::State* m_state = nullptr;
};

} // namespace tintabel
