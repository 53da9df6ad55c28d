#include "platform/IniFile.h"

#include "platform/FileSystem.h"
#include "platform/TextTrim.h"

#include <algorithm>

namespace tintabel {

namespace {

char lowered(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameText(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return lowered(x) == lowered(y); });
}

std::string_view withoutQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

IniFile IniFile::parse(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    IniFile ini;
    bool inSection = false;
    std::string section;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimBlanks(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));

        if (line.starts_with('[')) {
            const std::size_t close = line.rfind(']');
            if (close == std::string_view::npos)
                continue;
            section = trimBlanks(line.substr(1, close - 1));
            inSection = true;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || line.starts_with(';') || equals == std::string_view::npos)
            continue;
        const std::string_view key = trimBlanks(line.substr(0, equals));
        if (key.empty())
            continue;
        ini.m_entries.push_back({section, std::string(key),
            std::string(withoutQuotes(trimBlanks(line.substr(equals + 1))))});
    }
    return ini;
}

IniFile IniFile::load(FileSystem& files, std::string_view path)
{
    if (!files.fileExists(path))
        return {};
    return parse(files.readFile(path));
}

std::string IniFile::read(
    std::string_view section, std::string_view key, std::string_view fallback) const
{
    const auto found = std::ranges::find_if(m_entries, [&](const Entry& entry) {
        return sameText(entry.section, section) && sameText(entry.key, key);
    });
    return std::string(found != m_entries.end() ? std::string_view(found->value) : fallback);
}

} // namespace tintabel
