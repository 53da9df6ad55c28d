#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintabel {

enum class RegistryRoot { LocalMachine, CurrentUser };

// The settings store, shaped like the Windows registry: keys under two roots, named values.
// Key paths ("\SOFTWARE\VELDO\orb\Lang", leading "\" optional) and value names are compared
// without regard to case. Reading never creates a key.
class Registry {
public:
    virtual ~Registry() = default;

    virtual bool keyExists(RegistryRoot root, std::string_view key) = 0;

    // A missing key or value reads as "". A value that is neither a plain nor an expandable
    // string raises RegistryError "Invalid data type for '<name>'".
    virtual std::string readString(RegistryRoot root, std::string_view key, std::string_view name)
        = 0;
    // Creates missing keys and stores a plain string; raises RegistryError with the reason when
    // the value cannot be stored.
    virtual void writeString(
        RegistryRoot root, std::string_view key, std::string_view name, std::string_view value)
        = 0;

    // Nothing when the key or value is missing; a value of another type raises RegistryError
    // "Invalid data type for '<name>'".
    virtual std::optional<std::vector<std::uint8_t>> readBinary(
        RegistryRoot root, std::string_view key, std::string_view name)
        = 0;
    virtual void writeBinary(RegistryRoot root, std::string_view key, std::string_view name,
        const std::vector<std::uint8_t>& value)
        = 0;
};

} // namespace tintabel
