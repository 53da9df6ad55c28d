#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tintabel {

class FileSystem;

// Reads an INI text as the Windows profile functions do: sections and keys compared without
// regard to case, the first match wins, values trimmed of blanks and of one pair of enclosing
// quotes. Lines starting with ";", lines outside any section and lines without "=" are passed
// over; a value may contain further "=". Written here because the INI readers packaged for
// Debian either cut long lines and join indented ones (inih) or pass over malformed lines
// silently (SimpleIni).
class IniFile {
public:
    static IniFile parse(std::string_view text);
    // A missing file reads as an empty one, as with the profile functions; a file that is there
    // but cannot be read raises InOutError.
    static IniFile load(FileSystem& files, std::string_view path);

    std::string read(
        std::string_view section, std::string_view key, std::string_view fallback) const;

private:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    std::vector<Entry> m_entries;
};

} // namespace tintabel
