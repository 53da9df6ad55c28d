#pragma once

#include "colours/ColourSlot.h"
#include "colours/ColourValue.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tintabel {

// The one store of the eight colour slots: for each slot its colour, the text of its alpha store
// and whether its radio button is enabled, and which slot the editors work on. The window's
// swatches and radio buttons show this model and keep no copy of their own. Slots are addressed by
// index in slot order (0 is "low attribute"); kColourSlots gives the index of a key or a name.
class SlotModel {
public:
    enum class Change { Colour, Alpha, Availability, Selection };
    // Told after every change that altered a value, with the index of the slot concerned.
    using Listener = std::function<void(Change, std::size_t index)>;

    static constexpr ColourValue kWhite = 0xFFFFFF;
    static constexpr const char* kStartAlpha = "255";

    SlotModel();
    SlotModel(const SlotModel&) = delete;
    SlotModel& operator=(const SlotModel&) = delete;

    // A top byte never reaches the store.
    ColourValue colour(std::size_t index) const;
    void setColour(std::size_t index, ColourValue colour);

    // Any text, of any length: it is what was last written, not a checked number.
    const std::string& alpha(std::size_t index) const;
    void setAlpha(std::size_t index, std::string text);

    bool available(std::size_t index) const;
    void setAvailable(std::size_t index, bool available);

    std::size_t selected() const { return m_selected; }
    void select(std::size_t index);

    // The slot half of the reset, each step over the slots in slot order.
    void whitenAll();
    void makeAllUnavailable();

    void subscribe(Listener listener);

private:
    struct Slot {
        ColourValue colour = kWhite;
        std::string alpha = kStartAlpha;
        bool available = false;
    };

    Slot& slot(std::size_t index);
    const Slot& slot(std::size_t index) const;
    void notify(Change change, std::size_t index);

    std::array<Slot, kSlotCount> m_slots;
    std::size_t m_selected = 0;
    std::vector<Listener> m_listeners;
};

} // namespace tintabel
