#include "colours/ColourDocumentFile.h"

#include "colours/ColourXmlFormat.h"
#include "colours/ColourXmlReader.h"
#include "colours/IntegerText.h"
#include "colours/SlotModel.h"
#include "colours/WorkingCopy.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/XmlDocument.h"

namespace tintabel {

XmlDocument readColourDocument(FileSystem& files, const std::string& path, SlotModel& slotModel)
{
    XmlDocument document = XmlDocument::parse(files.readFile(path));
    const XmlNode root = document.documentElement();
    if (!ColourXmlFormat::isColourDocument(root))
        throw XmlError("Not a colour document: no colour entry is named \"low attribute\"");
    WorkingCopy unused;
    ColourXmlReader(files, unused, slotModel, [&slotModel](std::size_t index, std::int32_t alpha) {
        slotModel.setAlpha(index, std::to_string(alpha));
    }).read(root);
    return document;
}

Palette colourDocumentPalette(FileSystem& files, const std::string& path)
{
    SlotModel slotModel;
    readColourDocument(files, path, slotModel);
    Palette palette;
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        if (slotModel.available(index))
            palette.entries.push_back({std::string(kColourSlots[index].displayName),
                slotModel.colour(index), integerFromText(slotModel.alpha(index))});
    }
    return palette;
}

} // namespace tintabel
