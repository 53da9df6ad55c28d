#include "colours/PaletteFormat.h"

#include "colours/GimpPalette.h"
#include "colours/PaletteError.h"
#include "colours/PaletteSlots.h"
#include "colours/SlotModel.h"
#include "colours/SwatchExchange.h"
#include "colours/WorkingColourFile.h"
#include "support/ErrorText.h"
#include "support/MemoryFiles.h"
#include "support/SchemeRecord.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tintabel {
namespace {

using testing::errorText;

// One entry named "a": a 12-byte header, then one 30-byte block.
const std::string kOneSwatch = writeSwatchExchange({"", {{"a", makeColour(1, 2, 3), {}}}, {}});

std::string patched(std::string bytes, std::size_t offset, std::string_view with)
{
    return bytes.replace(offset, with.size(), with);
}

std::string notAColour(int line)
{
    return "Line " + std::to_string(line)
        + " of the GIMP palette is not a colour: three numbers from 0 to 255 and a name";
}

TEST(PaletteFormat, MalformedFilesAreRefusedWithWhatIsWrong)
{
    using enum PaletteFormat;
    const std::string truncated = "The swatch exchange file is truncated";
    const std::tuple<PaletteFormat, std::string, std::string> cases[] {
        {Gimp, "", "Not a GIMP palette file"},
        {Gimp, "JASC-PAL\n0 0 0 a\n", "Not a GIMP palette file"},
        {Gimp, "GIMP Palette\n1 2\n", notAColour(2)},
        {Gimp, "GIMP Palette\r\n# c\r\n1 2 256 x\r\n", notAColour(3)},
        {Gimp, "GIMP Palette\n\n1 -2 3 x\n", notAColour(3)},
        {Gimp, "GIMP Palette\nName: p\n1 2 3x\n", notAColour(3)},
        {Gimp, "GIMP Palette\n" + std::string(kLargestPaletteFile, '#'),
            "The palette file is larger than 1 MB"},
        {SwatchExchange, "ASE", "Not an Adobe Swatch Exchange file"},
        {SwatchExchange, kOneSwatch.substr(0, 11), truncated},
        {SwatchExchange, kOneSwatch.substr(0, 17), truncated},
        {SwatchExchange, patched(kOneSwatch, 4, std::string("\0\2", 2)),
            "Adobe Swatch Exchange version 2.0 is not supported"},
        {SwatchExchange, kOneSwatch.substr(0, 41), "Swatch block 1 runs past the end of the file"},
        {SwatchExchange, patched(kOneSwatch, 18, std::string("\0\14", 2)),
            "The name of swatch block 1 overruns its block"},
        {SwatchExchange, patched(kOneSwatch, 24, "XYZW"),
            "Swatch block 1 has an unknown colour model"},
        {SwatchExchange, patched(kOneSwatch, 14, std::string("\0\0\0\13", 4)),
            "Swatch block 1 ends inside its colour"},
        {SwatchExchange, patched(kOneSwatch, 32, "\x7F\xC0"),
            "Swatch block 1 holds a colour value that is not a number"},
        {Scheme, testing::schemeRecord("low attribute", "1", "x", "3"), testing::notAnInteger("x")},
    };
    for (const auto& [format, bytes, message] : cases)
        EXPECT_EQ(errorText<Error>([&] { readPalette(format, bytes); }), message) << bytes;
}

TEST(PaletteFormat, PalettesOfOtherToolsReadAndSwatchExchangeWarnsOfNonRgbModels)
{
    const Palette read = readPalette(PaletteFormat::Gimp,
        "\xEF\xBB\xBFGIMP Palette\r\nName: Skin \r\nColumns: 4\r\n# 1 2 3\r\n\r\n"
        "  0   0 255\tDeep  blue \r\n255 128 7\n");
    // Seen as the program's own GIMP text, which shows every name and colour.
    EXPECT_EQ(writeGimpPalette(read),
        "GIMP Palette\nName: Skin\nColumns: 8\n#\n  0   0 255\tDeep  blue\n255 128   7\t\n");

    const Palette palette {"",
        {{"c0", makeColour(0, 255, 1), {}}, {"Żółty", makeColour(3, 252, 4), {}},
            {"c6", makeColour(6, 249, 7), {}}, {"c9", makeColour(128, 127, 200), {}}},
        {}};
    std::string bytes = writeSwatchExchange(palette);
    bytes = patched(bytes, bytes.rfind("RGB ", bytes.rfind("RGB ") - 1), "LAB ");
    // A group start block before the rest is passed over.
    bytes = patched(bytes, 8, std::string("\0\0\0\5", 4)).insert(12, "\xC0\x01\0\0\0\0", 6);

    const Palette swatches = readPalette(PaletteFormat::SwatchExchange, bytes);
    EXPECT_EQ(writeGimpPalette(swatches),
        "GIMP Palette\nName: \nColumns: 8\n#\n  0 255   1\tc0\n"
        "  3 252   4\tŻółty\n128 127 200\tc9\n");
    EXPECT_EQ(swatches.warnings,
        std::vector<std::string> {"Swatch \"c6\" is a LAB colour and was left out"});
    // Values of other writers: 0.5 rounds to 128, and 2 is brought to 1.
    const std::string values = patched(kOneSwatch, 28, std::string("\x3F\0\0\0\x40\0\0\0", 8));
    EXPECT_EQ(readPalette(PaletteFormat::SwatchExchange, values).entries.at(0).colour,
        makeColour(128, 255, 3));
}

TEST(PaletteFormat, SchemesSurviveConversionThroughEveryFormatByName)
{
    SlotModel slots;
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        const int value = static_cast<int>(index * 36);
        slots.setColour(index, makeColour(value, 255 - value, value / 2 + 1));
        slots.setAlpha(index, std::to_string(index));
    }
    const std::string contents = WorkingColourFile::contents(slots);
    std::string reversed;
    for (std::size_t offset = 0; offset < contents.size(); offset += ColourRecord::kSize)
        reversed.insert(0, contents.substr(offset, ColourRecord::kSize));
    testing::MemoryFiles files;
    files.files["in.ctm"] = reversed;
    convertPalette(files, "in.ctm", "same.CTM");
    EXPECT_EQ(files.files["same.CTM"], contents);

    // Neither GIMP nor Adobe palettes carry an alpha, so the alphas come back at the start value.
    convertPalette(files, "in.ctm", "a.gpl");
    EXPECT_TRUE(files.files["a.gpl"].starts_with("GIMP Palette\nName: in\n"));
    convertPalette(files, "a.gpl", "b.Ase");
    convertPalette(files, "b.Ase", "c.ctm");
    for (std::size_t index = 0; index < kSlotCount; ++index)
        slots.setAlpha(index, "255");
    EXPECT_EQ(files.files["c.ctm"], WorkingColourFile::contents(slots));

    files.files["bad.gpl"] = "GIMP Palette\nx\n";
    EXPECT_EQ(
        errorText<PaletteError>([&] { convertPalette(files, "bad.gpl", "d.ase"); }), notAColour(2));
    EXPECT_FALSE(files.files.contains("d.ase"));
    EXPECT_EQ(errorText<PaletteError>([&] { convertPalette(files, "in.ctm", "e.aco"); }),
        "Unknown palette file extension (.aco)");
}

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

TEST(PaletteSlots, SlotsTakeEntriesByNameThenUnnamedInOrderAndKeepTheirAlphaWhereNoneIsGiven)
{
    const std::pair<std::vector<std::string>, std::string> cases[] {
        {{"profile extra text", "special attribute label", "attribute label", "special attribute",
             "excellent attribute", "good attribute", "normal attribute", "low attribute"},
            "7 6 5 4 3 2 1 0"},
        {{"a", "b", "c", "d", "e", "f", "g", "h", "i"}, "0 1 2 3 4 5 6 7"},
        {{"x", "GOOD Attribute", "y", "low attribute", "z"}, "3 0 1 2 4 - - -"},
        {{"Low attribute", "low attribute ", "LOW ATTRIBUTE"}, "2 1 - - - - - -"},
    };
    for (const auto& [names, taken] : cases)
        EXPECT_EQ(takenBy(names), taken);

    SlotColours slots;
    slots.fill({makeColour(9, 9, 9), 100});
    const Palette palette {
        "", {{"good attribute", 0x123456, {}}, {"low attribute", 0x654321, 7}}, {}};
    const SlotColours imported = importPalette(palette, slots);
    EXPECT_EQ(std::tuple(imported[0].colour, imported[0].alpha, imported[2].colour,
                  imported[2].alpha, imported[1].colour),
        std::tuple(0x654321u, 7, 0x123456u, 100, makeColour(9, 9, 9)));
    EXPECT_EQ(paletteFromSlots(imported, "p").entries[2].name, "good attribute");
}

} // namespace
} // namespace tintabel
