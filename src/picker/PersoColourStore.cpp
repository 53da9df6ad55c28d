#include "picker/PersoColourStore.h"

#include "platform/Errors.h"
#include "platform/Registry.h"

#include <algorithm>

namespace tintabel {

namespace {

constexpr std::string_view kKey = "\\Software\\Quornel\\Chromelle";
constexpr std::string_view kGeneralValue = "Gen";
constexpr RegistryRoot kRoot = RegistryRoot::CurrentUser;

std::string_view fileNameOf(std::string_view path)
{
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

} // namespace

PersoColourStore::PersoColourStore(Registry& registry, std::string_view programFile)
    : m_registry(registry)
    , m_applicationValueName(fileNameOf(programFile))
{
}

PersoColourStore::Groups PersoColourStore::load() const
{
    try {
        if (!m_registry.keyExists(kRoot, kKey))
            return {emptyCells(), emptyCells()};
    } catch (const RegistryError&) {
        return {emptyCells(), emptyCells()};
    }
    return {loadGroup(kGeneralValue), loadGroup(m_applicationValueName)};
}

PersoColourStore::CellValues PersoColourStore::loadGroup(std::string_view valueName) const
{
    try {
        const auto stored = m_registry.readBinary(kRoot, kKey, valueName);
        if (stored && stored->size() <= kValueSize)
            return decode(*stored);
    } catch (const RegistryError&) {
        // Not binary: the group starts empty and the value is replaced at exit.
    }
    return emptyCells();
}

void PersoColourStore::save(const Groups& groups) const
{
    try {
        m_registry.writeBinary(kRoot, kKey, kGeneralValue, encode(groups.general));
        m_registry.writeBinary(kRoot, kKey, m_applicationValueName, encode(groups.application));
    } catch (const RegistryError&) {
        // Nothing is saved; the program is closing and has no one left to tell.
    }
}

PersoColourStore::CellValues PersoColourStore::emptyCells()
{
    CellValues cells;
    cells.fill(kEmpty);
    return cells;
}

PersoColourStore::CellValues PersoColourStore::decode(const std::vector<std::uint8_t>& bytes)
{
    CellValues cells = emptyCells();
    const std::size_t whole = std::min(bytes.size(), kValueSize) / sizeof(std::int32_t);
    for (std::size_t i = 0; i < whole; ++i) {
        std::uint32_t value = 0;
        for (std::size_t b = 0; b < sizeof(std::int32_t); ++b)
            value |= std::uint32_t {bytes[4 * i + b]} << (8 * b);
        cells[i] = static_cast<std::int32_t>(value);
    }
    return cells;
}

std::vector<std::uint8_t> PersoColourStore::encode(const CellValues& cells)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kValueSize);
    for (const std::int32_t cell : cells) {
        const auto value = static_cast<std::uint32_t>(cell);
        for (std::size_t b = 0; b < sizeof(std::int32_t); ++b)
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * b)));
    }
    return bytes;
}

} // namespace tintabel
