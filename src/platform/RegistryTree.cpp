#include "platform/RegistryTree.h"

#include "platform/Errors.h"

#include <QString>

#include <algorithm>

namespace tintabel {

namespace {

std::string joined(const std::vector<std::string_view>& parts)
{
    std::string path;
    for (const std::string_view part : parts) {
        if (!path.empty())
            path += '\\';
        path += part;
    }
    return path;
}

bool hasLineBreakOrNul(std::string_view text)
{
    return std::ranges::any_of(text, [](char c) { return c == '\n' || c == '\r' || c == '\0'; });
}

[[noreturn]] void invalidType(std::string_view name)
{
    throw RegistryError(formatMessage("Invalid data type for '%s'", {name}));
}

} // namespace

std::vector<std::string_view> RegistryTree::splitPath(std::string_view path)
{
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const std::size_t end = std::min(path.find('\\'), path.size());
        if (end > 0)
            parts.push_back(path.substr(0, end));
        path.remove_prefix(std::min(end + 1, path.size()));
    }
    return parts;
}

std::string RegistryTree::foldCase(std::string_view text)
{
    const bool ascii = std::ranges::none_of(text, [](char c) { return c & 0x80; });
    if (!ascii) {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
            .toCaseFolded()
            .toStdString();
    }
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

RegistryTree::Key* RegistryTree::findKey(RegistryRoot root, std::string_view folded)
{
    const auto found = std::ranges::find_if(
        m_keys, [&](const Key& key) { return key.root == root && key.folded == folded; });
    return found != m_keys.end() ? &*found : nullptr;
}

const RegistryTree::Key* RegistryTree::findKey(RegistryRoot root, std::string_view folded) const
{
    return const_cast<RegistryTree*>(this)->findKey(root, folded);
}

bool RegistryTree::keyExists(RegistryRoot root, std::string_view path) const
{
    const std::string folded = foldCase(joined(splitPath(path)));
    if (folded.empty())
        return true; // the roots are always there
    return std::ranges::any_of(m_keys, [&](const Key& key) {
        return key.root == root
            && (key.folded == folded
                || (key.folded.starts_with(folded) && key.folded[folded.size()] == '\\'));
    });
}

const RegistryTree::Value* RegistryTree::findValue(
    RegistryRoot root, std::string_view path, std::string_view name) const
{
    const Key* key = findKey(root, foldCase(joined(splitPath(path))));
    if (!key)
        return nullptr;
    const std::string folded = foldCase(name);
    const auto found = std::ranges::find_if(
        key->values, [&](const Value& value) { return foldCase(value.name) == folded; });
    return found != key->values.end() ? &*found : nullptr;
}

std::string RegistryTree::readString(
    RegistryRoot root, std::string_view path, std::string_view name) const
{
    const Value* value = findValue(root, path, name);
    if (!value)
        return {};
    if (value->type != String && value->type != ExpandString)
        invalidType(name);
    return value->text;
}

std::optional<std::vector<std::uint8_t>> RegistryTree::readBinary(
    RegistryRoot root, std::string_view path, std::string_view name) const
{
    const Value* value = findValue(root, path, name);
    if (!value)
        return std::nullopt;
    if (value->type != Binary)
        invalidType(name);
    return value->data;
}

RegistryTree::Key& RegistryTree::createKey(RegistryRoot root, std::string_view path)
{
    const std::vector<std::string_view> parts = splitPath(path);
    if (std::ranges::any_of(parts, hasLineBreakOrNul))
        throw RegistryError(formatMessage("Invalid registry key name '%s'", {path}));

    // Each level keeps the case it was first created with; only new levels take the caller's.
    // The root itself is a key only when values are stored on it.
    std::string written;
    Key* key = nullptr;
    for (std::size_t level = parts.empty() ? 0 : 1; level <= parts.size(); ++level) {
        const std::string folded = foldCase(joined({parts.begin(), parts.begin() + level}));
        key = findKey(root, folded);
        if (!key) {
            if (level > 0)
                written += (written.empty() ? "" : "\\") + std::string(parts[level - 1]);
            m_keys.push_back({root, written, folded, {}});
            key = &m_keys.back();
        }
        written = key->path;
    }
    return *key;
}

void RegistryTree::setValue(RegistryRoot root, std::string_view path, Value value)
{
    if (hasLineBreakOrNul(value.name))
        throw RegistryError(formatMessage("Invalid registry value name '%s'", {value.name}));
    if (value.type == String || value.type == ExpandString)
        value.text.resize(std::min(value.text.find('\0'), value.text.size()));
    Key& key = createKey(root, path);
    const std::string folded = foldCase(value.name);
    const auto found = std::ranges::find_if(
        key.values, [&](const Value& stored) { return foldCase(stored.name) == folded; });
    if (found == key.values.end()) {
        key.values.push_back(std::move(value));
        return;
    }
    value.name = std::move(found->name);
    *found = std::move(value);
}

} // namespace tintabel
