#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tintabel {

class FileSystem;
class XmlDocument;

// A node of an XmlDocument; valid while its document lives. A node that is not an element
// (text, comment, processing instruction) has an empty local name and no attributes.
class XmlNode {
public:
    bool isElement() const;
    // The name without its namespace prefix ("colour" for "c:colour").
    std::string localName() const;
    std::size_t childCount() const;
    XmlNode child(std::size_t index) const;
    // Nothing when the element has no such attribute; "" when it is present and empty.
    std::optional<std::string> attribute(std::string_view name) const;
    // Replaces the value of the attribute, or adds it after the others.
    void setAttribute(std::string_view name, std::string_view value);

private:
    friend class XmlDocument;
    struct Access;
    XmlNode(void* node, XmlDocument* document);
    void* m_node = nullptr;
    XmlDocument* m_document = nullptr;
};

// An XML document read whole into memory, as the program reads skin files: any encoding that
// the parser knows, every byte kept (carriage returns too). Writing it back changes only the
// attribute values that were set and the attributes that were added; for a UTF-8 document every
// other byte stays exactly as it was.
class XmlDocument {
public:
    // Raises XmlError: "<reason>\nLine: <n>\n<the first 40 characters of that line>".
    static XmlDocument parse(std::string bytes);
    // Reads the file and parses it; a file that cannot be read raises XmlError with the reason.
    static XmlDocument load(FileSystem& files, std::string_view path);

    XmlDocument(XmlDocument&&) noexcept;
    XmlDocument& operator=(XmlDocument&&) noexcept;
    ~XmlDocument();

    XmlNode documentElement();
    // Whether any attribute was set since the document was parsed.
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

} // namespace tintabel
