#include "platform/Paths.h"

#include <QChar>

#include <sys/stat.h>
#include <system_error>
#include <vector>

namespace tintabel {

namespace fs = std::filesystem;

namespace {

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

std::vector<std::string> components(std::string_view text)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        if (end > start)
            result.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

// Decodes UTF-8 and folds case per character. Linux names may hold any bytes: a byte that is no
// part of a valid sequence stands for itself in a private range, so it still compares exactly.
std::u32string folded(std::string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            result += static_cast<char32_t>(lead >= 'A' && lead <= 'Z' ? lead + ('a' - 'A') : lead);
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2
            : lead >= 0xE0 && lead <= 0xEF                      ? 3
            : lead >= 0xF0 && lead <= 0xF4                      ? 4
                                                                : 0;
        char32_t code = length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (valid) {
            result += QChar::toCaseFolded(code);
            i += length;
        } else {
            result += static_cast<char32_t>(0xDC00 + lead);
            ++i;
        }
    }
    return result;
}

bool globMatch(std::u32string_view name, std::u32string_view mask)
{
    std::size_t n = 0;
    std::size_t m = 0;
    std::size_t starMask = std::u32string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == U'?' || mask[m] == name[n])) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == U'*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::u32string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == U'*')
        ++m;
    return m == mask.size();
}

bool entryExists(const fs::path& path)
{
    struct stat info { };
    return ::lstat(path.c_str(), &info) == 0;
}

// The name under which a folder holds an entry, looked up without regard to case when the given
// spelling is not there; nothing when no entry or more than one matches.
std::optional<std::string> actualName(const fs::path& folder, const std::string& name)
{
    if (entryExists(folder / name))
        return name;
    std::optional<std::string> match;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (sameNameIgnoringCase(candidate, name)) {
            if (match)
                return std::nullopt;
            match = candidate;
        }
    }
    return match;
}

std::optional<fs::path> mapDrivePath(char letter, std::string_view rest, const Environment& env)
{
    if (env.winePrefix.empty())
        return std::nullopt;
    const char link[] = {static_cast<char>(letter | 0x20), ':', '\0'};
    const fs::path drive = fs::path(env.winePrefix) / "dosdevices" / link;
    std::error_code error;
    if (!fs::is_directory(drive, error))
        return std::nullopt;
    return resolveIgnoringCase(drive, rest);
}

} // namespace

fs::path resolveIgnoringCase(const fs::path& root, std::string_view relative)
{
    std::vector<std::string> parts;
    for (std::string& part : components(relative)) {
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (part != ".") {
            parts.push_back(std::move(part));
        }
    }
    fs::path result = root;
    bool looking = true;
    for (const std::string& part : parts) {
        const std::optional<std::string> actual
            = looking ? actualName(result, part) : std::optional<std::string>();
        looking = actual.has_value();
        result /= actual.value_or(part);
    }
    return result;
}

bool isDrivePath(std::string_view text)
{
    return text.size() >= 2 && text[1] == ':'
        && ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z'));
}

std::optional<fs::path> toLocalPath(std::string_view text, const Environment& env)
{
    if (text.empty())
        return std::nullopt;
    if (isDrivePath(text))
        return mapDrivePath(text[0], text.substr(2), env);
    fs::path result = isSeparator(text.front()) ? fs::path("/") : fs::path();
    for (const std::string& part : components(text))
        result /= part;
    return result;
}

std::string fileNamePart(std::string_view path)
{
    const std::size_t separator = path.find_last_of("/\\");
    if (separator != std::string_view::npos)
        return std::string(path.substr(separator + 1));
    return std::string(isDrivePath(path) ? path.substr(2) : path);
}

std::string extensionPart(std::string_view path)
{
    const std::string name = fileNamePart(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return folded(a) == folded(b);
}

bool nameLessIgnoringCase(std::string_view a, std::string_view b)
{
    const std::u32string foldedA = folded(a);
    const std::u32string foldedB = folded(b);
    return foldedA != foldedB ? foldedA < foldedB : a < b;
}

bool matchesWildcard(std::string_view name, std::string_view mask)
{
    const std::u32string foldedName = folded(name);
    const std::u32string maskText = folded(mask);
    std::u32string_view foldedMask = maskText;
    const bool nameHasDot = foldedName.find(U'.') != std::u32string::npos;
    if (foldedMask.size() > 1 && foldedMask.back() == U'.') {
        while (!foldedMask.empty() && foldedMask.back() == U'.')
            foldedMask.remove_suffix(1);
        return !nameHasDot && globMatch(foldedName, foldedMask);
    }
    if (globMatch(foldedName, foldedMask))
        return true;
    return foldedMask.ends_with(U".*") && !nameHasDot
        && globMatch(foldedName, foldedMask.substr(0, foldedMask.size() - 2));
}

} // namespace tintabel
