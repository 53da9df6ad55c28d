#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tintabel {

class FileSystem;

// One line of the skins list: what it shows and the skin's folder inside the skins folder.
struct SkinEntry {
    std::string displayName;
    std::string folder;

    bool operator==(const SkinEntry&) const = default;
};

// A skin the program can set up from its own templates when it is picked, so that the game's
// standard look has colour files to edit too.
struct StandardSkin {
    std::string_view displayName;
    std::string_view folder;
    std::string_view colourTemplate; // shipped beside the program
};

// The skins installed under an FM user folder: which there are and what they are called, what is
// prepared when one is picked, and which of its settings files are colour documents. Paths are
// built by joining texts, as everywhere in the program.
class SkinCatalogue {
public:
    // Listed after the installed skins, always.
    static constexpr std::array<StandardSkin, 2> kStandardSkins {{
        {"FM 2009- standard", "fm2009", "fm colours09.xml"},
        {"FM 2008- standard", "fm2008", "fm colours0809.xml"},
    }};
    // The name a standard skin's colour file gets; a file of that name is never replaced.
    static constexpr std::string_view kColourFileName = "fm colours.xml";

    explicit SkinCatalogue(FileSystem& files);

    // userFolder ends in a separator.
    static std::string skinsFolderOf(std::string_view userFolder);

    // The skins of userFolder + "skins": its entries without a "." in their name that are neither
    // hidden nor system and whose description file "<folder>\<folder>.xml" is a plain file naming
    // the skin exactly once, with a name that is not empty. They come in the reverse of the
    // folder's listing order. afterEachSkin runs after each description file read, so a long scan
    // can let the window answer. A description that cannot be parsed raises the parser's error,
    // a name child without "value" the conversion error of a missing text.
    std::vector<SkinEntry> scan(
        std::string_view userFolder, const std::function<void()>& afterEachSkin) const;

    // What a skin's name shows in the list: the part before the first "[" that is not inside a
    // pair of quote marks (single or double), line breaks at the start of a part skipped and empty
    // parts passed over. A name made only of such cuts shows whole.
    static std::string displayName(std::string_view name);

    // Before a skin's colour files are listed: the skins folder gets the program's "config.xml"
    // from "configm.xml", and a standard skin's folder gets a settings folder with a fresh
    // "config.xml" and, unless it has one already, the colour template as "fm colours.xml".
    // A missing template is simply not copied.
    void prepareTemplates(std::string_view shippedFolder, std::string_view skinsFolder,
        std::string_view folder) const;

    // Reports the name of each "*.xml" file of the settings folder (which ends in a separator) as
    // often as the file holds a colour entry of "low attribute", in listing order. A file that
    // cannot be parsed raises the parser's error; the names reported before it stand.
    void listColourFiles(std::string_view settingsFolder,
        const std::function<void(const std::string& fileName)>& add) const;

private:
    // The skin's name when its description names it exactly once and not with an empty text.
    std::string skinName(const std::string& description) const;

    FileSystem& m_files;
};

} // namespace tintabel
