#pragma once

#include <cstddef>

namespace tintabel {

class PreviewSamples;
class SlotModel;
class SlotSelection;
class WorkingColourFile;
struct SlotScheme;

// Puts colours into the slots by the way "Load colour scheme" takes, so that everything that shows
// a slot follows: each slot's sample is cleared, its colour set and its sample rendered with its
// alpha (which the alpha store takes), then the working file is rewritten and a slot selected, so
// that the editors show its values.
class SchemeLoadPath {
public:
    SchemeLoadPath(SlotModel& slotModel, PreviewSamples& preview, WorkingColourFile& workingFile,
        SlotSelection& selection);

    // Only the slots the scheme names change; a slot without an alpha of the scheme keeps its own.
    void put(const SlotScheme& scheme, std::size_t selected);

private:
    SlotModel& m_slots;
    PreviewSamples& m_preview;
    WorkingColourFile& m_workingFile;
    SlotSelection& m_selection;
};

} // namespace tintabel
