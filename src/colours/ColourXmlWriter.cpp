#include "colours/ColourXmlWriter.h"

#include "colours/ColourSlot.h"
#include "colours/ColourXmlFormat.h"
#include "colours/SlotModel.h"
#include "colours/WorkingCopy.h"
#include "platform/XmlDocument.h"

#include <string>

namespace tintabel {

ColourXmlWriter::ColourXmlWriter(
    FileSystem& files, const WorkingCopy& workCopy, const SlotModel& slotModel)
    : m_files(files)
    , m_workCopy(workCopy)
    , m_slots(slotModel)
{
}

void ColourXmlWriter::save()
{
    XmlDocument document = XmlDocument::load(m_files, m_workCopy.path);
    write(document.documentElement(), m_slots);
    if (document.changed())
        document.save(m_files, m_workCopy.path);
}

void ColourXmlWriter::write(
    const XmlNode& root, const SlotModel& slotModel, std::bitset<kSlotCount> slotsWritten)
{
    const std::size_t children = root.childCount();
    // One walk does what a pass per slot would: the writer never changes a "name", so which
    // entries a slot matches does not depend on what the other slots wrote, and each entry gets
    // its four values in the same order.
    for (std::size_t i = 0; i < children; ++i) {
        XmlNode node = root.child(i);
        const std::optional<std::string> name = node.attribute(ColourXmlFormat::kName);
        const std::optional<std::size_t> index = name ? slotIndexByName(*name) : std::nullopt;
        if (!index || !slotsWritten[*index])
            continue;
        const ColourValue colour = slotModel.colour(*index);
        node.setAttribute(ColourXmlFormat::kRed, std::to_string(redOf(colour)));
        node.setAttribute(ColourXmlFormat::kGreen, std::to_string(greenOf(colour)));
        node.setAttribute(ColourXmlFormat::kBlue, std::to_string(blueOf(colour)));
        node.setAttribute(ColourXmlFormat::kAlpha, slotModel.alpha(*index));
    }
}

} // namespace tintabel
