// The colour document reader and the writer behind it. Whatever reads without error must come
// back byte for byte when its values are set to what they were; set to other values, it may
// differ only inside those values' quotes, and it reads back with them; and what the colour
// writer saves reads back into the same slots.
#include "colours/ColourSlot.h"
#include "colours/ColourXmlReader.h"
#include "colours/ColourXmlWriter.h"
#include "colours/SlotModel.h"
#include "colours/WorkingCopy.h"
#include "platform/Errors.h"
#include "platform/XmlDocument.h"
#include "support/Check.h"
#include "support/InputFiles.h"

#include <algorithm>
#include <array>
#include <pugixml.hpp>
#include <string>
#include <vector>

using namespace tintabel;

namespace {

// The attributes the program reads and writes anywhere in a skin's XML.
constexpr std::array<std::string_view, 7> kNames {
    "name", "red", "green", "blue", "alpha", "id", "value"};

struct Present {
    XmlNode element;
    std::string_view name;
    std::string value;
};

// Every attribute of kNames that the document's elements carry, in document order.
std::vector<Present> presentAttributes(XmlDocument& document)
{
    std::vector<Present> found;
    std::vector<XmlNode> pending {document.documentElement()};
    while (!pending.empty()) {
        const XmlNode node = pending.back();
        pending.pop_back();
        for (const std::string_view name : kNames) {
            if (std::optional<std::string> value = node.attribute(name))
                found.push_back({node, name, std::move(*value)});
        }
        for (std::size_t i = node.childCount(); i > 0; --i)
            pending.push_back(node.child(i - 1));
    }
    return found;
}

// ASCII text in the document's own encoding, as the parser detected it.
std::string encodedAscii(std::string_view text, pugi::xml_encoding encoding)
{
    const bool big = encoding == pugi::encoding_utf16_be || encoding == pugi::encoding_utf32_be;
    const std::size_t unit
        = encoding == pugi::encoding_utf16_le || encoding == pugi::encoding_utf16_be ? 2
        : encoding == pugi::encoding_utf32_le || encoding == pugi::encoding_utf32_be ? 4
                                                                                     : 1;
    std::string out;
    for (const char c : text) {
        std::string units(unit, '\0');
        units[big ? unit - 1 : 0] = c;
        out += units;
    }
    return out;
}

std::string marker(std::size_t index)
{
    return "#~" + std::to_string(index) + "~#";
}

// The changed document must be the original with only the values between their quotes replaced
// by the markers: cut at the markers, the pieces between them stand in the original in order,
// the first at its start and the last at its end, each value still enclosed by one kind of quote.
void checkOnlyValuesDiffer(const std::string& original, const std::string& changed,
    std::size_t markers, pugi::xml_encoding encoding)
{
    if (markers == 0) {
        FUZZ_CHECK(changed == original);
        return;
    }
    // The markers stand in the order of the attributes in their tags, not in the order set.
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    for (std::size_t i = 0; i < markers; ++i) {
        const std::string encodedMarker = encodedAscii(marker(i), encoding);
        const std::size_t at = changed.find(encodedMarker);
        FUZZ_CHECK(at != std::string::npos);
        FUZZ_CHECK(changed.find(encodedMarker, at + 1) == std::string::npos);
        spans.emplace_back(at, at + encodedMarker.size());
    }
    std::ranges::sort(spans);
    std::vector<std::string> pieces;
    std::size_t from = 0;
    for (const auto& [begin, end] : spans) {
        FUZZ_CHECK(begin >= from);
        pieces.push_back(changed.substr(from, begin - from));
        from = end;
    }
    pieces.push_back(changed.substr(from));

    FUZZ_CHECK(original.starts_with(pieces.front()));
    std::size_t position = pieces.front().size();
    for (std::size_t i = 1; i + 1 < pieces.size(); ++i) {
        position = original.find(pieces[i], position);
        FUZZ_CHECK(position != std::string::npos);
        position += pieces[i].size();
    }
    FUZZ_CHECK(original.size() >= position + pieces.back().size());
    FUZZ_CHECK(original.ends_with(pieces.back()));

    const std::string quote = encodedAscii("\"", encoding);
    const std::string apostrophe = encodedAscii("'", encoding);
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        const bool quoted = pieces[i].ends_with(quote) && pieces[i + 1].starts_with(quote);
        const bool apostrophed
            = pieces[i].ends_with(apostrophe) && pieces[i + 1].starts_with(apostrophe);
        FUZZ_CHECK(quoted || apostrophed);
    }
}

void checkWriteBack(const std::string& bytes)
{
    XmlDocument same = XmlDocument::parse(bytes);
    for (const Present& present : presentAttributes(same)) {
        // The parser lets control characters through, which no value may be set to.
        if (std::ranges::none_of(present.value,
                [](char c) { return c > 0 && c < ' ' && c != '\t' && c != '\n' && c != '\r'; }))
            XmlNode(present.element).setAttribute(present.name, present.value);
    }
    FUZZ_CHECK(same.serialize() == bytes);

    pugi::xml_document detector;
    const pugi::xml_encoding encoding
        = detector.load_buffer(bytes.data(), bytes.size(), pugi::parse_minimal).encoding;
    // A document that holds the markers' delimiter could hide a misplaced marker.
    if (bytes.find(encodedAscii("~", encoding)) != std::string::npos)
        return;
    XmlDocument other = XmlDocument::parse(bytes);
    std::vector<Present> changes = presentAttributes(other);
    for (std::size_t i = 0; i < changes.size(); ++i)
        XmlNode(changes[i].element).setAttribute(changes[i].name, marker(i));
    const std::string changed = other.serialize();
    checkOnlyValuesDiffer(bytes, changed, changes.size(), encoding);

    XmlDocument reread = XmlDocument::parse(changed);
    const std::vector<Present> markers = presentAttributes(reread);
    FUZZ_CHECK(markers.size() == changes.size());
    for (std::size_t i = 0; i < markers.size(); ++i)
        FUZZ_CHECK(markers[i].value == marker(i));
}

struct Slots {
    SlotModel model;
    fuzz::InputFiles& files;
    WorkingCopy workCopy {"temp", ""};

    explicit Slots(fuzz::InputFiles& files)
        : files(files)
    {
    }

    // Reads as the window does: each sample render stores the alpha's decimal form.
    void load(const std::string& path, const std::string& copyName)
    {
        ColourXmlReader reader(
            files, workCopy, model, [this](std::size_t index, std::int32_t alpha) {
                model.setAlpha(index, std::to_string(alpha));
            });
        reader.load(path, copyName);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        XmlDocument::parse(bytes);
    } catch (const XmlError&) {
        return 0;
    }
    checkWriteBack(bytes);

    tintabel::fuzz::InputFiles files(bytes);
    Slots read(files);
    try {
        read.load("skin\\colours.xml", "colours.xml");
    } catch (const Error&) {
        return 0; // a colour document that does not read whole is never written
    }
    ColourXmlWriter(files, read.workCopy, read.model).save();

    Slots again(files);
    again.load(read.workCopy.path, "again.xml");
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        FUZZ_CHECK(again.model.colour(i) == read.model.colour(i));
        FUZZ_CHECK(again.model.alpha(i) == read.model.alpha(i));
        FUZZ_CHECK(again.model.available(i) == read.model.available(i));
    }
    return 0;
}
