#include "colours/ColourXmlFormat.h"

#include "platform/XmlDocument.h"

namespace tintabel {

bool ColourXmlFormat::isEntry(const XmlNode& node)
{
    return node.isElement() && node.localName() == kEntry;
}

std::size_t ColourXmlFormat::markingEntryCount(const XmlNode& documentElement)
{
    std::size_t count = 0;
    const std::size_t children = documentElement.childCount();
    for (std::size_t i = 0; i < children; ++i) {
        const XmlNode node = documentElement.child(i);
        if (isEntry(node) && node.attribute(kName) == kMarkingName)
            ++count;
    }
    return count;
}

bool ColourXmlFormat::isColourDocument(const XmlNode& documentElement)
{
    return markingEntryCount(documentElement) > 0;
}

bool ColourXmlFormat::isColourDocumentFile(FileSystem& files, std::string_view path)
{
    XmlDocument document = XmlDocument::load(files, path);
    return isColourDocument(document.documentElement());
}

} // namespace tintabel
