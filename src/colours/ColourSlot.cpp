#include "colours/ColourSlot.h"

#include <algorithm>

namespace tintabel {

std::optional<std::size_t> slotIndexByName(std::string_view displayName)
{
    const auto found = std::ranges::find(kColourSlots, displayName, &ColourSlot::displayName);
    if (found == kColourSlots.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - kColourSlots.begin());
}

} // namespace tintabel
