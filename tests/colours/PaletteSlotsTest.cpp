#include "colours/PaletteSlots.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

// The entry each slot takes, in slot order, "-" for none: "3 0 1 2 - - - -".
std::string takenBy(const std::vector<std::string>& names)
{
    Palette palette;
    for (const std::string& name : names)
        palette.entries.push_back({name, 0, {}});
    std::string taken;
    for (const std::optional<std::size_t>& entry : slotEntries(palette))
        taken += (taken.empty() ? "" : " ") + (entry ? std::to_string(*entry) : "-");
    return taken;
}

TEST(PaletteSlots, SlotsTakeEntriesByNameThenTheUnnamedOnesInOrder)
{
    const struct {
        std::vector<std::string> names;
        std::string taken;
    } cases[] {
        {{"profile extra text", "special attribute label", "attribute label", "special attribute",
             "excellent attribute", "good attribute", "normal attribute", "low attribute"},
            "7 6 5 4 3 2 1 0"},
        {{"a", "b", "c", "d", "e", "f", "g", "h", "i"}, "0 1 2 3 4 5 6 7"},
        {{"x", "GOOD Attribute", "y", "low attribute", "z"}, "3 0 1 2 4 - - -"},
        {{"Low attribute", "low attribute ", "LOW ATTRIBUTE"}, "2 1 - - - - - -"},
        {{}, "- - - - - - - -"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.taken);
        EXPECT_EQ(takenBy(test.names), test.taken);
    }
}

TEST(PaletteSlots, AnImportedEntryWithoutAlphaKeepsTheSlotsAlpha)
{
    SlotColours slots;
    slots.fill({makeColour(9, 9, 9), 100});
    const Palette palette {
        "", {{"good attribute", 0x123456, {}}, {"low attribute", 0x654321, 7}}, {}};
    const SlotColours imported = importPalette(palette, slots);
    EXPECT_EQ(imported[0].colour, 0x654321u);
    EXPECT_EQ(imported[0].alpha, 7);
    EXPECT_EQ(imported[2].colour, 0x123456u);
    EXPECT_EQ(imported[2].alpha, 100);
    EXPECT_EQ(imported[1].colour, makeColour(9, 9, 9));
    EXPECT_EQ(paletteFromSlots(imported, "p").entries[2].name, "good attribute");
}

} // namespace
} // namespace tintabel
