#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace tintabel {

class FileSystem;
class SlotModel;
struct ColourRecord;

// Applies a colour scheme file (*.ctm) to the slots. The file is a plain run of ColourRecords with
// nothing around them; saving a scheme is a copy of the working colour file, so no writer lives
// here. Records are applied by the slot name they carry, in file order: the order of the records
// does not matter, and of two records naming one slot the later wins.
class ColourSchemeReader {
public:
    // What the loader asks of the preview for the slot it is about to change.
    struct Preview {
        // The slot's sample shows nothing until its next render.
        std::function<void(std::size_t index)> clearSample;
        // Rebuilds the slot's sample with the alpha read and stores its decimal form as the slot's
        // alpha text.
        std::function<void(std::size_t index, std::int32_t alpha)> sampleRender;
    };

    ColourSchemeReader(FileSystem& files, SlotModel& slotModel, Preview preview);

    // False, with nothing read, when no file is at path. The file is only read, so a read-only
    // scheme loads. A text that is no integer stops the load at that record with ConversionError:
    // the records before it stay applied, and of that record only what came before the bad text
    // (the colour, when the alpha is bad). Bytes after the last whole record are never read.
    bool load(const std::string& path);

private:
    void apply(const ColourRecord& record);

    FileSystem& m_files;
    SlotModel& m_slots;
    Preview m_preview;
};

} // namespace tintabel
