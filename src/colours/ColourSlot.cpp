#include "colours/ColourSlot.h"

#include <algorithm>

namespace tintabel {

namespace {

template<class Field> std::optional<std::size_t> findSlot(Field field, std::string_view text)
{
    const auto found = std::ranges::find(kColourSlots, text, field);
    if (found == kColourSlots.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - kColourSlots.begin());
}

} // namespace

std::optional<std::size_t> slotIndexByKey(std::string_view key)
{
    return findSlot(&ColourSlot::key, key);
}

std::optional<std::size_t> slotIndexByName(std::string_view displayName)
{
    return findSlot(&ColourSlot::displayName, displayName);
}

} // namespace tintabel
