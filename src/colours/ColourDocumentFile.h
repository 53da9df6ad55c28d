#pragma once

#include "colours/Palette.h"

#include <string>

namespace tintabel {

class FileSystem;
class SlotModel;
class XmlDocument;

// Reads a colour document where it lies, changing nothing, into fresh slots by the colour XML
// reader's rules: the slots it names become available, each alpha stored as its decimal text.
// Raises InOutError or XmlError for a file that cannot be read or parsed, XmlError for a document
// that fails the colour-document test, and the reader's errors.
XmlDocument readColourDocument(FileSystem& files, const std::string& path, SlotModel& slotModel);

// The colours of a colour document as a palette: the slots it names, in slot order, each with its
// alpha; the palette has no name.
Palette colourDocumentPalette(FileSystem& files, const std::string& path);

} // namespace tintabel
