#pragma once

#include <cstddef>
#include <string_view>

namespace tintabel {

class FileSystem;
class XmlNode;

// The names a skin's colour document is written with. Its colour entries are the direct children
// of the document element whose local name is "colour"; each names its slot in "name" and gives
// the channels and the alpha as integer texts.
struct ColourXmlFormat {
    static constexpr std::string_view kEntry = "colour";
    static constexpr std::string_view kName = "name";
    static constexpr std::string_view kRed = "red";
    static constexpr std::string_view kGreen = "green";
    static constexpr std::string_view kBlue = "blue";
    static constexpr std::string_view kAlpha = "alpha";
    // Taken for an entry without a readable alpha.
    static constexpr std::string_view kOpaqueAlpha = "255";
    // Only a document that names the first slot counts as a colour document.
    static constexpr std::string_view kMarkingName = "low attribute";

    // An element whose local name is "colour", whatever its namespace prefix. Directly under the
    // document element, such an element is a colour entry.
    static bool isEntry(const XmlNode& node);

    // The colour-document test over every child of the document element: how many colour entries
    // are named "low attribute" (case and blanks count). Entries without a name are passed over.
    // The skin catalogue lists a file once per such entry.
    static std::size_t markingEntryCount(const XmlNode& documentElement);
    static bool isColourDocument(const XmlNode& documentElement);
    // Reads the file where it lies, changing nothing. A file that cannot be read or is not
    // well-formed raises the parser's XmlError.
    static bool isColourDocumentFile(FileSystem& files, std::string_view path);
};

} // namespace tintabel
