#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tintabel {

class Registry;

// Where the picker keeps its custom colours between runs: under HKEY_CURRENT_USER
// "\Software\Quornel\Chromelle", "Gen" for the group every program using the picker shares and a
// value named after the program file for this program's own. Each value holds the 48 cell values
// of its group in cell order, little-endian signed 32 bits, -1 for an empty cell.
class PersoColourStore {
public:
    static constexpr int kCells = 48;
    static constexpr std::int32_t kEmpty = -1;
    static constexpr std::size_t kValueSize = kCells * sizeof(std::int32_t);
    using CellValues = std::array<std::int32_t, kCells>;

    struct Groups {
        CellValues general;
        CellValues application;
    };

    // programFile may carry its folder; the value is named after the file alone.
    PersoColourStore(Registry& registry, std::string_view programFile);

    const std::string& applicationValueName() const { return m_applicationValueName; }

    // Cells a stored value does not cover stay empty. A group whose value is missing, not binary
    // or longer than a whole group starts empty, so that a value another program spoilt never
    // stops the picker from being made; it is replaced at the next save. A store that cannot be
    // read at all leaves both groups empty.
    Groups load() const;
    // Writes both values, creating the key when missing. A store that refuses the write keeps
    // what it had; the colours of this run are then lost, which is not worth a message at exit.
    void save(const Groups& groups) const;

    static CellValues emptyCells();
    static CellValues decode(const std::vector<std::uint8_t>& bytes);
    static std::vector<std::uint8_t> encode(const CellValues& cells);

private:
    CellValues loadGroup(std::string_view valueName) const;

    Registry& m_registry;
    std::string m_applicationValueName;
};

} // namespace tintabel
