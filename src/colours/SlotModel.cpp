#include "colours/SlotModel.h"

#include <utility>

namespace tintabel {

SlotModel::SlotModel() = default;

SlotModel::Slot& SlotModel::slot(std::size_t index)
{
    return m_slots.at(index);
}

const SlotModel::Slot& SlotModel::slot(std::size_t index) const
{
    return m_slots.at(index);
}

ColourValue SlotModel::colour(std::size_t index) const
{
    return slot(index).colour;
}

void SlotModel::setColour(std::size_t index, ColourValue colour)
{
    colour &= 0xFFFFFF;
    if (std::exchange(slot(index).colour, colour) != colour)
        notify(Change::Colour, index);
}

const std::string& SlotModel::alpha(std::size_t index) const
{
    return slot(index).alpha;
}

void SlotModel::setAlpha(std::size_t index, std::string text)
{
    Slot& target = slot(index);
    if (target.alpha == text)
        return;
    target.alpha = std::move(text);
    notify(Change::Alpha, index);
}

bool SlotModel::available(std::size_t index) const
{
    return slot(index).available;
}

void SlotModel::setAvailable(std::size_t index, bool available)
{
    if (std::exchange(slot(index).available, available) != available)
        notify(Change::Availability, index);
}

void SlotModel::select(std::size_t index)
{
    slot(index); // an index out of range is refused before anything changes
    if (std::exchange(m_selected, index) != index)
        notify(Change::Selection, index);
}

void SlotModel::whitenAll()
{
    for (std::size_t index = 0; index < kSlotCount; ++index)
        setColour(index, kWhite);
}

void SlotModel::makeAllUnavailable()
{
    for (std::size_t index = 0; index < kSlotCount; ++index)
        setAvailable(index, false);
}

void SlotModel::subscribe(Listener listener)
{
    m_listeners.push_back(std::move(listener));
}

void SlotModel::notify(Change change, std::size_t index)
{
    // By position: a listener may subscribe another one while it is told.
    for (std::size_t i = 0; i < m_listeners.size(); ++i)
        m_listeners[i](change, index);
}

} // namespace tintabel
