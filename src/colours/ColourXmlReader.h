#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace tintabel {

class FileSystem;
class SlotModel;
class XmlNode;
struct WorkingCopy;

// Reads a colour document into the slots. The document is first copied into the temp folder as
// the working copy; that copy is what is parsed here and what the writer later edits.
class ColourXmlReader {
public:
    // Rebuilds the slot's preview sample with the alpha read and stores its decimal form as the
    // slot's alpha text.
    using SampleRender = std::function<void(std::size_t index, std::int32_t alpha)>;

    ColourXmlReader(
        FileSystem& files, WorkingCopy& workCopy, SlotModel& slotModel, SampleRender sampleRender);

    // The copy is named docFileName; the caller has made the temp folder. Entries are applied node
    // by node in document order, so of two entries naming one slot the later wins. A failure (an
    // entry without a name or a channel, a text that is no integer) stops the read at once: slots
    // read before keep their new values. A source that cannot be copied raises InOutError naming
    // it; an older working copy of the same name is then removed, never read.
    void load(const std::string& path, const std::string& docFileName);
    // The entries of a document already parsed, by the same rules.
    void read(const XmlNode& documentElement);

private:
    void makeWorkingCopy(const std::string& path);
    void readEntry(const XmlNode& entry, std::size_t index);

    FileSystem& m_files;
    WorkingCopy& m_workCopy;
    SlotModel& m_slots;
    SampleRender m_sampleRender;
};

} // namespace tintabel
