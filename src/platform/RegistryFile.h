#pragma once

#include "platform/Errors.h"
#include "platform/RegistryTree.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tintabel {

// A store text that cannot be read, with the line (from 1) where reading stopped; the text is
// the reason, which the store puts into its message after the line.
class RegistryFormatError : public Error {
public:
    RegistryFormatError(std::size_t line, const std::string& reason)
        : Error(reason)
        , m_line(line)
    {
    }
    std::size_t line() const { return m_line; }

private:
    std::size_t m_line;
};

// The settings store's text: the registry editor's export format, version 5.00, in UTF-8.
// "[HKEY_LOCAL_MACHINE\Key\Path]" sections; "name"="text" (with \\ and \" escapes) or @= for the
// default value; dword:0000002a; hex: binary; hex(N): any other type, expandable strings
// (hex(2)) as UTF-16LE. Hex lists may go on over lines that end in "\".
class RegistryFile {
public:
    // Raises RegistryFormatError. An empty text is an empty store.
    static RegistryTree parse(std::string_view text);
    static std::string format(const RegistryTree& tree);
};

} // namespace tintabel
