#include "colours/ColourXmlReader.h"

#include "colours/AttributeText.h"
#include "colours/ColourSlot.h"
#include "colours/ColourXmlFormat.h"
#include "colours/IntegerText.h"
#include "colours/SlotModel.h"
#include "colours/WorkingCopy.h"
#include "platform/AtomicWrite.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/XmlDocument.h"

#include <cerrno>

namespace tintabel {

ColourXmlReader::ColourXmlReader(
    FileSystem& files, WorkingCopy& workCopy, SlotModel& slotModel, SampleRender sampleRender)
    : m_files(files)
    , m_workCopy(workCopy)
    , m_slots(slotModel)
    , m_sampleRender(std::move(sampleRender))
{
}

void ColourXmlReader::load(const std::string& path, const std::string& docFileName)
{
    m_workCopy.path = m_workCopy.tempFolder + "\\" + docFileName;
    // A read-only skin file could not be saved over later.
    m_files.setNormalAttributes(path);
    makeWorkingCopy(path);

    XmlDocument document = XmlDocument::load(m_files, m_workCopy.path);
    read(document.documentElement());
}

void ColourXmlReader::read(const XmlNode& root)
{
    const std::size_t children = root.childCount();
    for (std::size_t i = 0; i < children; ++i) {
        const XmlNode node = root.child(i);
        if (!ColourXmlFormat::isEntry(node))
            continue;
        // Every colour entry must be named, whether or not its name is a slot's.
        const std::string name = requiredAttributeText(node, ColourXmlFormat::kName);
        if (const std::optional<std::size_t> index = slotIndexByName(name))
            readEntry(node, *index);
    }
}

void ColourXmlReader::makeWorkingCopy(const std::string& path)
{
    // Without a folder for working copies (the user heard why at start) nothing can be loaded.
    if (m_workCopy.tempFolder.empty())
        throw InOutError(formatMessage("Cannot load \"%s\". %s", {path, ioReason(ENOTDIR)}));
    try {
        m_files.copyFileOrThrow(path, m_workCopy.path);
    } catch (const InOutError& error) {
        // A copy of the same name from an earlier load, perhaps of another skin's file, must
        // neither be read as this file nor be saved over it later.
        m_files.deleteFile(m_workCopy.path);
        throw InOutError(formatMessage("Cannot load \"%s\". %s", {path, error.what()}));
    }
}

void ColourXmlReader::readEntry(const XmlNode& entry, std::size_t index)
{
    m_slots.setAvailable(index, true);
    const std::string red = requiredAttributeText(entry, ColourXmlFormat::kRed);
    const std::string green = requiredAttributeText(entry, ColourXmlFormat::kGreen);
    const std::string blue = requiredAttributeText(entry, ColourXmlFormat::kBlue);
    // Of several texts that are no integers, the one reported is blue's.
    const std::int32_t blueValue = integerFromText(blue);
    const std::int32_t greenValue = integerFromText(green);
    const std::int32_t redValue = integerFromText(red);
    m_slots.setColour(index, makeColour(redValue, greenValue, blueValue));

    const std::string alpha = entry.attribute(ColourXmlFormat::kAlpha)
                                  .value_or(std::string(ColourXmlFormat::kOpaqueAlpha));
    m_sampleRender(index, integerFromText(alpha));
}

} // namespace tintabel
