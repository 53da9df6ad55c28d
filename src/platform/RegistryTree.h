#pragma once

#include "platform/Registry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintabel {

// The keys and values of the settings store, held in memory with the registry's rules: key paths
// and value names are compared without regard to case and keep the case they were first written
// with; a key's parents exist with it. Both the file-backed store and the test double use it.
class RegistryTree {
public:
    // The registry's own type numbers, so that stored values of any type survive a rewrite.
    enum Type : std::uint32_t {
        None = 0,
        String = 1,
        ExpandString = 2,
        Binary = 3,
        Dword = 4,
    };

    struct Value {
        std::string name; // "" is the key's default value
        std::uint32_t type = String;
        std::string text; // String and ExpandString: UTF-8, cut at the first NUL
        std::vector<std::uint8_t> data; // every other type: the stored bytes
    };

    struct Key {
        RegistryRoot root = RegistryRoot::LocalMachine;
        std::string path; // the parts as first written, joined by single "\", no leading one
        std::string folded; // path, case-folded, for comparison
        std::vector<Value> values;
    };

    // The non-empty parts of a key path: a leading "\" and doubled separators are tolerated.
    static std::vector<std::string_view> splitPath(std::string_view path);
    static std::string foldCase(std::string_view text);

    // A key exists when it was created or when one of its sub-keys was.
    bool keyExists(RegistryRoot root, std::string_view path) const;
    const Value* findValue(RegistryRoot root, std::string_view path, std::string_view name) const;

    // The reads of the Registry interface: "" or nothing when missing, RegistryError
    // "Invalid data type for '<name>'" for a value of another type.
    std::string readString(RegistryRoot root, std::string_view path, std::string_view name) const;
    std::optional<std::vector<std::uint8_t>> readBinary(
        RegistryRoot root, std::string_view path, std::string_view name) const;

    // Creates the key and its missing parents. Raises RegistryError for a name that the store
    // cannot hold (line breaks, NUL).
    Key& createKey(RegistryRoot root, std::string_view path);
    // Creates the key when missing and replaces a value of the same name, keeping its name's case.
    void setValue(RegistryRoot root, std::string_view path, Value value);

    // Keys in the order they were created.
    const std::vector<Key>& keys() const { return m_keys; }

private:
    Key* findKey(RegistryRoot root, std::string_view folded);
    const Key* findKey(RegistryRoot root, std::string_view folded) const;

    std::vector<Key> m_keys;
};

} // namespace tintabel
