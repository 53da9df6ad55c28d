#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tintabel {

// One of the eight colours a skin gives its attribute texts. The display name is also the colour's
// name in skin XML and in the records of the working file and of scheme files; the other names are
// those of the window's controls that belong to the slot.
struct ColourSlot {
    std::string_view displayName;
    std::string_view key;
    std::string_view radioButton;
    std::string_view swatch;
    std::string_view alphaStore;
    std::string_view sample;
};

inline constexpr std::size_t kSlotCount = 8;

// Every list of slots in the program follows this order; index 0 is slot 1, "low attribute".
inline constexpr std::array<ColourSlot, kSlotCount> kColourSlots {{
    {"low attribute", "la", "larb", "lae", "Edit1", "laea"},
    {"normal attribute", "na", "narb", "nae", "Edit2", "naea"},
    {"good attribute", "ga", "garb", "gae", "Edit3", "gaea"},
    {"excellent attribute", "ea", "earb", "eae", "Edit4", "eaea"},
    {"special attribute", "sa", "sarb", "sae", "Edit5", "saea"},
    {"attribute label", "al", "alrb", "ale", "Edit6", "alea"},
    {"special attribute label", "sal", "salrb", "sale", "Edit7", "salea"},
    {"profile extra text", "pet", "petrb", "pete", "Edit8", "petea"},
}};

// An exact, case-sensitive match; nothing for a text that names no slot.
std::optional<std::size_t> slotIndexByName(std::string_view displayName);

} // namespace tintabel
