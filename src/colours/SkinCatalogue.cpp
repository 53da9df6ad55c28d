#include "colours/SkinCatalogue.h"

#include "colours/AttributeText.h"
#include "colours/ColourXmlFormat.h"
#include "platform/FileSystem.h"
#include "platform/XmlDocument.h"

namespace tintabel {

namespace {

bool isQuote(char c)
{
    return c == '"' || c == '\'';
}

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

std::string descriptionFile(const std::string& skinsFolder, const std::string& folder)
{
    return skinsFolder + folder + "\\" + folder + ".xml";
}

} // namespace

SkinCatalogue::SkinCatalogue(FileSystem& files)
    : m_files(files)
{
}

std::string SkinCatalogue::skinsFolderOf(std::string_view userFolder)
{
    return std::string(userFolder) + "skins/";
}

std::vector<SkinEntry> SkinCatalogue::scan(
    std::string_view userFolder, const std::function<void()>& afterEachSkin) const
{
    const std::string skinsFolder = skinsFolderOf(userFolder);
    std::vector<std::string> candidates;
    for (FolderEntry& entry : m_files.list(std::string(userFolder) + "skins\\*.")) {
        if (!entry.hidden && !entry.system && entry.name != "." && entry.name != "..")
            candidates.push_back(std::move(entry.name));
    }
    // Folders whose description is there, from the last listed to the first.
    std::vector<std::string> described;
    for (auto candidate = candidates.rbegin(); candidate != candidates.rend(); ++candidate) {
        if (m_files.fileExists(descriptionFile(skinsFolder, *candidate)))
            described.push_back(std::move(*candidate));
    }
    std::vector<SkinEntry> entries;
    for (std::string& folder : described) {
        const std::string name = skinName(descriptionFile(skinsFolder, folder));
        if (!name.empty())
            entries.push_back({displayName(name), std::move(folder)});
        afterEachSkin();
    }
    return entries;
}

std::string SkinCatalogue::skinName(const std::string& description) const
{
    XmlDocument document = XmlDocument::load(m_files, description);
    const XmlNode root = document.documentElement();
    std::string name;
    int names = 0;
    for (std::size_t i = 0; i < root.childCount(); ++i) {
        const XmlNode child = root.child(i);
        if (child.attribute("id") == "name") {
            name = requiredAttributeText(child, "value");
            ++names;
        }
    }
    return names == 1 ? name : std::string();
}

std::string SkinCatalogue::displayName(std::string_view name)
{
    std::size_t start = 0;
    while (start <= name.size()) {
        // A quote mark opens a quoted run only where its partner follows.
        std::size_t end = start;
        while (end < name.size() && name[end] != '[') {
            if (isQuote(name[end])) {
                const std::size_t partner = name.find(name[end], end + 1);
                if (partner != std::string_view::npos)
                    end = partner;
            }
            ++end;
        }
        std::size_t first = start;
        while (first < end && isLineBreak(name[first]))
            ++first;
        if (first < end)
            return std::string(name.substr(first, end - first));
        start = end + 1;
    }
    return std::string(name);
}

void SkinCatalogue::prepareTemplates(
    std::string_view shippedFolder, std::string_view skinsFolder, std::string_view folder) const
{
    const std::string program(shippedFolder);
    const std::string skins(skinsFolder);
    m_files.copyFile(program + "\\configm.xml", skins + "/config.xml");
    for (const StandardSkin& standard : kStandardSkins) {
        if (folder != standard.folder)
            continue;
        const std::string settings = skins + std::string(folder) + "/settings/";
        m_files.makeFolderTree(skins + std::string(folder) + "\\settings");
        m_files.copyFile(program + "\\config.xml", settings + "config.xml");
        const std::string colours = settings + std::string(kColourFileName);
        if (!m_files.fileExists(colours))
            m_files.copyFile(program + "\\" + std::string(standard.colourTemplate), colours);
    }
}

void SkinCatalogue::listColourFiles(std::string_view settingsFolder,
    const std::function<void(const std::string& fileName)>& add) const
{
    const std::string folder(settingsFolder);
    for (const FolderEntry& entry : m_files.list(folder + "*.xml")) {
        // A folder that happens to end in ".xml" holds no colours; reading it could only fail.
        if (entry.isFolder)
            continue;
        XmlDocument document = XmlDocument::load(m_files, folder + entry.name);
        const std::size_t count = ColourXmlFormat::markingEntryCount(document.documentElement());
        for (std::size_t i = 0; i < count; ++i)
            add(entry.name);
    }
}

} // namespace tintabel
