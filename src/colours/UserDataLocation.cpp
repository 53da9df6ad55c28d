#include "colours/UserDataLocation.h"

#include "colours/AttributeText.h"
#include "platform/FileSystem.h"
#include "platform/XmlDocument.h"

namespace tintabel {

std::string UserDataLocation::readFolder(FileSystem& files, std::string_view locationFile)
{
    if (!files.fileExists(locationFile))
        return {};
    XmlDocument document = XmlDocument::load(files, locationFile);
    const XmlNode root = document.documentElement();
    std::string folder;
    for (std::size_t i = 0; i < root.childCount(); ++i) {
        const XmlNode child = root.child(i);
        if (child.attribute("id") == "valu")
            folder = requiredAttributeText(child, "value");
    }
    // The tag is one character, which in UTF-8 may take several bytes.
    std::size_t tag = folder.empty() ? 0 : 1;
    while (tag < folder.size() && (static_cast<unsigned char>(folder[tag]) & 0xC0) == 0x80)
        ++tag;
    return folder.substr(tag);
}

} // namespace tintabel
