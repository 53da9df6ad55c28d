#include "app/SchemeLoadPath.h"

#include "colours/IntegerText.h"
#include "colours/SlotModel.h"
#include "colours/SlotScheme.h"
#include "colours/WorkingColourFile.h"
#include "editor/PreviewSamples.h"
#include "editor/SlotSelection.h"

namespace tintabel {

SchemeLoadPath::SchemeLoadPath(SlotModel& slotModel, PreviewSamples& preview,
    WorkingColourFile& workingFile, SlotSelection& selection)
    : m_slots(slotModel)
    , m_preview(preview)
    , m_workingFile(workingFile)
    , m_selection(selection)
{
}

void SchemeLoadPath::put(const SlotScheme& scheme, std::size_t selected)
{
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        const std::optional<SlotScheme::Slot>& slot = scheme.bySlot[index];
        if (!slot)
            continue;
        m_preview.clear(index);
        m_slots.setColour(index, slot->colour);
        m_preview.render(index, slot->alpha.value_or(integerFromText(m_slots.alpha(index))));
    }
    m_workingFile.data();
    m_selection.select(selected);
}

} // namespace tintabel
