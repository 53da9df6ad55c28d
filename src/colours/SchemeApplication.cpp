#include "colours/SchemeApplication.h"

#include "colours/ColourDocumentFile.h"
#include "colours/ColourXmlWriter.h"
#include "colours/EditHistory.h"
#include "colours/SkinCatalogue.h"
#include "colours/SlotModel.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/XmlDocument.h"

#include <algorithm>
#include <bitset>
#include <utility>

namespace tintabel {

namespace {

std::string rgba(ColourValue colour, std::string_view alpha)
{
    return std::to_string(redOf(colour)) + "," + std::to_string(greenOf(colour)) + ","
        + std::to_string(blueOf(colour)) + "," + std::string(alpha);
}

} // namespace

std::string ColourChange::text() const
{
    return name + ": " + rgba(fromColour, fromAlpha) + " -> " + rgba(toColour, toAlpha);
}

SchemeApplication::SchemeApplication(FileSystem& files, SlotScheme scheme)
    : m_files(files)
    , m_scheme(std::move(scheme))
{
}

std::vector<std::string> SchemeApplication::colourFiles(const std::string& target) const
{
    if (!m_files.folderExists(target))
        return {target};
    const std::string settings = target + "/settings/";
    std::vector<std::string> names;
    SkinCatalogue(m_files).listColourFiles(settings, [&names](const std::string& name) {
        if (std::ranges::find(names, name) == names.end())
            names.push_back(name);
    });
    std::vector<std::string> paths;
    for (const std::string& name : names)
        paths.push_back(settings + name);
    return paths;
}

ColourFileOutcome SchemeApplication::apply(const std::string& path, bool write) const
{
    ColourFileOutcome outcome {.path = path, .changes = {}, .failure = {}};
    try {
        SlotModel slotModel;
        XmlDocument document = readColourDocument(m_files, path, slotModel);
        const SlotsSnapshot before = SlotsSnapshot::of(slotModel);
        m_scheme.applyTo(slotModel);
        std::bitset<kSlotCount> changed;
        for (std::size_t index = 0; index < kSlotCount; ++index) {
            const SlotsSnapshot::Slot& old = before.bySlot[index];
            const ColourValue colour = slotModel.colour(index);
            const std::string& alpha = slotModel.alpha(index);
            if (!slotModel.available(index) || (colour == old.colour && alpha == old.alpha))
                continue;
            changed.set(index);
            outcome.changes.push_back({std::string(kColourSlots[index].displayName), old.colour,
                old.alpha, colour, alpha});
        }
        if (write && changed.any()) {
            ColourXmlWriter::write(document.documentElement(), slotModel, changed);
            document.save(m_files, path);
        }
    } catch (const Error& error) {
        outcome.changes.clear();
        outcome.failure = error.what();
    }
    return outcome;
}

} // namespace tintabel
