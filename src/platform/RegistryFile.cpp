#include "platform/RegistryFile.h"

#include "platform/Errors.h"
#include "platform/TextTrim.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <vector>

namespace tintabel {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kLocalMachine = "HKEY_LOCAL_MACHINE";
constexpr std::string_view kCurrentUser = "HKEY_CURRENT_USER";

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size()
        && RegistryTree::foldCase(text.substr(0, prefix.size())) == prefix;
}

// Digits only, of either case: from_chars takes no sign, prefix or blank for an unsigned number.
std::optional<std::uint32_t> hexNumber(std::string_view digits, std::size_t maxDigits)
{
    if (digits.empty() || digits.size() > maxDigits)
        return std::nullopt;
    std::uint32_t number = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, number, 16);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

std::string textFromUtf16(const std::vector<std::uint8_t>& bytes)
{
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
        if (unit == 0)
            break;
        units += unit;
    }
    return QString::fromStdU16String(units).toStdString();
}

std::vector<std::uint8_t> utf16FromText(const std::string& text)
{
    std::vector<std::uint8_t> bytes;
    for (const char16_t unit : QString::fromStdString(text).toStdU16String()) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

// Reads the lines of a store text, one value or section at a time, keeping the line number.
class Parser {
public:
    explicit Parser(std::string_view text)
    {
        if (text.starts_with("\xEF\xBB\xBF"))
            text.remove_prefix(3);
        while (!text.empty()) {
            const std::size_t end = std::min(text.find('\n'), text.size());
            m_lines.push_back(trimBlanks(text.substr(0, end)));
            text.remove_prefix(std::min(end + 1, text.size()));
        }
    }

    RegistryTree run()
    {
        for (; m_index < m_lines.size(); ++m_index) {
            const std::string_view line = m_lines[m_index];
            if (line.empty() || line.starts_with(';'))
                continue;
            if (!m_sawHeader) {
                if (line != kHeader)
                    fail("the first line is not \"" + std::string(kHeader) + "\"");
                m_sawHeader = true;
            } else if (line.starts_with('[')) {
                section(line);
            } else if (line.starts_with('"') || line.starts_with('@')) {
                value(line);
            } else {
                fail("unexpected text \"" + std::string(line.substr(0, 40)) + "\"");
            }
        }
        return std::move(m_tree);
    }

private:
    [[noreturn]] void fail(const std::string& reason) const
    {
        throw RegistryFormatError(m_index + 1, reason);
    }

    void section(std::string_view line)
    {
        if (!line.ends_with(']'))
            fail("the key name does not end in \"]\"");
        std::string_view name = line.substr(1, line.size() - 2);
        if (name.starts_with('-'))
            fail("key deletions are not supported");
        const std::string_view rootName = name.substr(0, std::min(name.find('\\'), name.size()));
        const std::string folded = RegistryTree::foldCase(rootName);
        if (folded == RegistryTree::foldCase(kLocalMachine))
            m_root = RegistryRoot::LocalMachine;
        else if (folded == RegistryTree::foldCase(kCurrentUser))
            m_root = RegistryRoot::CurrentUser;
        else
            fail("unknown root key \"" + std::string(rootName) + "\"");
        m_key = std::string(name.substr(rootName.size()));
        atCurrentLine([&] { m_tree.createKey(m_root, *m_key); });
    }

    void value(std::string_view line)
    {
        if (!m_key)
            fail("a value before the first key");
        RegistryTree::Value value;
        std::size_t position = 1;
        if (line.starts_with('"'))
            value.name = quoted(line, position);
        while (position < line.size() && isBlank(line[position]))
            ++position;
        if (position >= line.size() || line[position] != '=')
            fail("the value name is not followed by \"=\"");
        const std::string_view data = trimBlanks(line.substr(position + 1));
        if (data.starts_with('"')) {
            position = 1;
            // Bytes that are no UTF-8 are held as the program reads them (U+FFFD), as they come
            // back after a rewrite in hex(1) form, which a text with a line break takes.
            value.text = QString::fromStdString(quoted(data, position)).toStdString();
            if (position != data.size())
                fail("text after the closing quote");
        } else if (data.starts_with('-')) {
            fail("value deletions are not supported");
        } else if (startsWithNoCase(data, "dword:")) {
            const auto number = hexNumber(data.substr(6), 8);
            if (!number)
                fail("a dword value needs one to eight hexadecimal digits");
            value.type = RegistryTree::Dword;
            for (int shift = 0; shift < 32; shift += 8)
                value.data.push_back(static_cast<std::uint8_t>(*number >> shift));
        } else if (startsWithNoCase(data, "hex")) {
            hexValue(data.substr(3), value);
        } else {
            fail("unknown value type");
        }
        atCurrentLine([&] { m_tree.setValue(m_root, *m_key, std::move(value)); });
    }

    // The text of a quoted string that starts at text[position - 1]; position ends after the
    // closing quote. Only \\ and \" are escapes; any other backslash stands for itself.
    std::string quoted(std::string_view text, std::size_t& position) const
    {
        std::string result;
        for (; position < text.size(); ++position) {
            const char c = text[position];
            if (c == '"') {
                ++position;
                return result;
            }
            if (c == '\\' && position + 1 < text.size()
                && (text[position + 1] == '\\' || text[position + 1] == '"'))
                ++position;
            result += text[position];
        }
        fail("a quoted text without its closing quote");
    }

    void hexValue(std::string_view data, RegistryTree::Value& value)
    {
        value.type = RegistryTree::Binary;
        if (data.starts_with('(')) {
            const std::size_t close = data.find(')');
            const auto type = close == std::string_view::npos
                ? std::nullopt
                : hexNumber(data.substr(1, close - 1), 8);
            if (!type)
                fail("a value type hex(N) needs a hexadecimal number N");
            value.type = *type;
            data.remove_prefix(close + 1);
        }
        if (!data.starts_with(':'))
            fail("\"hex\" is not followed by \":\"");

        std::string list(trimBlanks(data.substr(1)));
        while (list.ends_with('\\')) {
            list.pop_back();
            if (m_index + 1 >= m_lines.size())
                fail("the hex list goes on past the end of the file");
            list += m_lines[++m_index];
        }
        std::vector<std::uint8_t> bytes;
        std::string_view rest = list;
        while (!rest.empty()) {
            const std::size_t comma = std::min(rest.find(','), rest.size());
            const std::string_view item = trimBlanks(rest.substr(0, comma));
            const auto byte = hexNumber(item, 2);
            // A comma at the very end is tolerated; an empty item elsewhere is not.
            if (!byte && !(item.empty() && comma + 1 >= rest.size()))
                fail("\"" + std::string(item) + "\" is not a hexadecimal byte");
            if (byte)
                bytes.push_back(static_cast<std::uint8_t>(*byte));
            rest.remove_prefix(std::min(comma + 1, rest.size()));
        }
        if (value.type == RegistryTree::String || value.type == RegistryTree::ExpandString)
            value.text = textFromUtf16(bytes);
        else
            value.data = std::move(bytes);
    }

    // A change the tree refuses is a fault of the text at the line being read.
    template<class Change> void atCurrentLine(Change&& change)
    {
        try {
            change();
        } catch (const RegistryError& error) {
            fail(error.what());
        }
    }

    std::vector<std::string_view> m_lines;
    std::size_t m_index = 0;
    bool m_sawHeader = false;
    RegistryRoot m_root = RegistryRoot::LocalMachine;
    std::optional<std::string> m_key;
    RegistryTree m_tree;
};

std::string escaped(std::string_view text)
{
    std::string result = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"')
            result += '\\';
        result += c;
    }
    return result + "\"";
}

// A hex list as the registry editor wraps it: lines under 80 columns, continued with "\".
std::string hexList(std::string line, const std::vector<std::uint8_t>& bytes)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string result;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::string item {digits[bytes[i] >> 4], digits[bytes[i] & 0xF]};
        if (i + 1 < bytes.size())
            item += ',';
        if (line.size() + item.size() > 78) {
            result += line + "\\\n";
            line = "  ";
        }
        line += item;
    }
    return result + line + "\n";
}

std::string valueLine(const RegistryTree::Value& value)
{
    std::string line = value.name.empty() ? "@=" : escaped(value.name) + "=";
    const bool plainText = value.type == RegistryTree::String
        && value.text.find_first_of("\r\n") == std::string::npos;
    if (plainText)
        return line + escaped(value.text) + "\n";
    if (value.type == RegistryTree::Dword && value.data.size() == 4) {
        char number[16];
        std::snprintf(number, sizeof number, "dword:%02x%02x%02x%02x", value.data[3], value.data[2],
            value.data[1], value.data[0]);
        return line + number + "\n";
    }
    if (value.type == RegistryTree::String || value.type == RegistryTree::ExpandString)
        return hexList(
            line + "hex(" + std::to_string(value.type) + "):", utf16FromText(value.text));
    if (value.type == RegistryTree::Binary)
        return hexList(line + "hex:", value.data);
    char type[16];
    std::snprintf(type, sizeof type, "hex(%x):", value.type);
    return hexList(line + type, value.data);
}

// Parents before their sub-keys, siblings without regard to case, the local machine first.
bool listedBefore(const RegistryTree::Key* a, const RegistryTree::Key* b)
{
    if (a->root != b->root)
        return a->root == RegistryRoot::LocalMachine;
    return std::ranges::lexicographical_compare(
        RegistryTree::splitPath(a->folded), RegistryTree::splitPath(b->folded));
}

} // namespace

RegistryTree RegistryFile::parse(std::string_view text)
{
    return Parser(text).run();
}

std::string RegistryFile::format(const RegistryTree& tree)
{
    std::vector<const RegistryTree::Key*> keys;
    for (const RegistryTree::Key& key : tree.keys())
        keys.push_back(&key);
    std::ranges::stable_sort(keys, listedBefore);

    std::string text = std::string(kHeader) + "\n";
    for (const RegistryTree::Key* key : keys) {
        text += "\n[";
        text += key->root == RegistryRoot::LocalMachine ? kLocalMachine : kCurrentUser;
        if (!key->path.empty())
            text += "\\" + key->path;
        text += "]\n";
        for (const RegistryTree::Value& value : key->values)
            text += valueLine(value);
    }
    return text;
}

} // namespace tintabel
