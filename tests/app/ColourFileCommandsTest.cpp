#include "app/ColourFileCommands.h"

#include "colours/SlotScheme.h"
#include "platform/Errors.h"
#include "platform/doubles/FaultyFileSystem.h"
#include "support/SchemeRecord.h"
#include "support/TempFolder.h"
#include "support/XmlTestDocuments.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tintabel::testing {
namespace {

namespace fs = std::filesystem;

// Names "normal attribute" in another red and "low attribute" as skinDocument has it.
constexpr std::string_view kScheme = "GIMP Palette\n1 2 3 low attribute\n40 5 6 normal attribute\n";
const std::string kChanged = replaced(skinDocument(), "red=\"4\"", "red=\"40\"");

class ColourFileCommandsTest : public ::testing::Test {
protected:
    ColourFileCommandsTest()
    {
        folder.write("s.gpl", kScheme);
        folder.write("skin/settings/colours.xml", skinDocument());
        folder.write("skin/settings/config.xml", "<config><x/></config>");
        folder.write("loose.xml", skinDocument());
    }

    CommandLine::Result run(const CommandLine::Command& command, QStringList arguments)
    {
        for (QString& argument : arguments) {
            if (!argument.startsWith(QLatin1Char('-')))
                argument = QString::fromStdString((folder / argument.toStdString()).string());
        }
        return command.run(arguments);
    }
    CommandLine::Result apply(QStringList arguments) { return run(applyCommand(files), arguments); }

    std::string path(std::string_view name) const { return (folder / name).string(); }

    TempFolder folder;
    FaultyFileSystem files {Environment {}};
};

TEST_F(ColourFileCommandsTest, ADryRunReportsAndTouchesNothingThenApplyChangesOnlyTheValues)
{
    const fs::path colours = folder / "skin/settings/colours.xml";
    const fs::file_time_type past = fs::last_write_time(colours) - std::chrono::hours(24);
    fs::last_write_time(colours, past);

    const std::string report = path("skin/settings/colours.xml") + ": %s\n"
        + "  normal attribute: 4,5,6,255 -> 40,5,6,255\n" + path("loose.xml") + ": %s\n"
        + "  normal attribute: 4,5,6,255 -> 40,5,6,255\n";
    const CommandLine::Result dry = apply({"--dry-run", "s.gpl", "skin", "loose.xml"});
    EXPECT_EQ(dry.exitStatus, CommandLine::kSuccess) << dry.err;
    EXPECT_EQ(dry.out, formatMessage(report, {"would change", "would change"}));
    EXPECT_EQ(folder.read("skin/settings/colours.xml"), skinDocument());
    EXPECT_EQ(fs::last_write_time(colours), past);

    const CommandLine::Result done = apply({"s.gpl", "skin", "loose.xml"});
    EXPECT_EQ(done.exitStatus, CommandLine::kSuccess) << done.err;
    EXPECT_EQ(done.out, formatMessage(report, {"changed", "changed"}));
    EXPECT_EQ(folder.read("skin/settings/colours.xml"), kChanged);
    EXPECT_EQ(folder.read("loose.xml"), kChanged);
    EXPECT_EQ(folder.read("skin/settings/config.xml"), "<config><x/></config>");

    EXPECT_EQ(apply({"s.gpl", "loose.xml"}).out, path("loose.xml") + ": stays as it is\n");

    // A scheme file goes in as "Load colour scheme" puts it: by exact names, alphas included.
    folder.write("s.ctm",
        schemeRecord("Normal Attribute", "0", "0", "0")
            + schemeRecord("good attribute", "7", "8", "9", "7"));
    EXPECT_EQ(apply({"s.ctm", "loose.xml"}).out,
        path("loose.xml") + ": changed\n  good attribute: 7,8,9,255 -> 7,8,9,7\n");
}

TEST_F(ColourFileCommandsTest, AFileThatCannotBeReadFailsAloneAndStaysUntouched)
{
    folder.write("locked.xml", skinDocument());
    files.refuseReads(path("locked.xml"));
    folder.write("plain.xml", "<colours/>");
    folder.write("empty/settings/config.xml", "<config/>");

    const CommandLine::Result result
        = apply({"s.gpl", "locked.xml", "plain.xml", "missing.xml", "empty", "loose.xml"});
    EXPECT_EQ(result.exitStatus, CommandLine::kFailure);
    EXPECT_EQ(
        result.out, path("loose.xml") + ": changed\n  normal attribute: 4,5,6,255 -> 40,5,6,255\n");
    for (const char* failure :
        {"locked.xml: File access denied\n", "plain.xml: Not a colour document",
            "missing.xml: File not found\n", "empty: the skin has no colour file\n"})
        EXPECT_NE(result.err.find(failure), std::string::npos) << failure << " in\n" << result.err;
    EXPECT_EQ(folder.read("locked.xml"), skinDocument());
}

TEST_F(ColourFileCommandsTest, WrongArgumentsAndUnreadableSchemesEndWithTwoAndChangeNothing)
{
    folder.write("bad.gpl", "GIMP Palette\n1 2\n");
    const struct {
        bool convert;
        QStringList arguments;
        std::string errStart;
    } cases[] = {
        {false, {}, "tintabel apply: a scheme and at least one target are needed\nUsage: "},
        {false, {"--force", "s.gpl", "loose.xml"}, "tintabel apply: Unknown option 'force'.\n"},
        {false, {"bad.gpl", "loose.xml"}, "tintabel apply: " + path("bad.gpl") + ": Line 2 "},
        {false, {"loose.xml", "loose.xml"},
            "tintabel apply: " + path("loose.xml") + ": Unknown palette file extension (.xml)\n"},
        {true, {"s.gpl"}, "tintabel convert: an input and an output file are needed\n"},
        {true, {"s.gpl", "out.xml"}, "tintabel convert: Unknown palette file extension (.xml)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandLine::Result result
            = run(c.convert ? convertCommand(files) : applyCommand(files), c.arguments);
        EXPECT_EQ(result.exitStatus, CommandLine::kUsageError);
        EXPECT_EQ(result.err.substr(0, c.errStart.size()), c.errStart) << result.err;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(folder.read("loose.xml"), skinDocument());
    EXPECT_FALSE(fs::exists(folder / "out.gpl"));
}

TEST_F(ColourFileCommandsTest, ConversionsGoRoundWithoutLosingAColour)
{
    const CommandLine::Command convert = convertCommand(files);
    for (const auto& [from, to] : {std::pair {"loose.xml", "a.ctm"}, {"a.ctm", "b.gpl"},
             {"b.gpl", "c.ase"}, {"c.ase", "d.ctm"}}) {
        const CommandLine::Result result = run(convert, {from, to});
        EXPECT_EQ(result.exitStatus, CommandLine::kSuccess) << result.err;
    }
    // Every alpha of the document is 255, which the palettes without alpha give back.
    EXPECT_EQ(folder.read("d.ctm"), folder.read("a.ctm"));
    EXPECT_EQ(SlotScheme::read(files, path("a.ctm"), PaletteFormat::Scheme).bySlot[2]->colour,
        makeColour(7, 8, 9));

    const CommandLine::Result missing = run(convert, {"none.gpl", "e.ase"});
    EXPECT_EQ(missing.exitStatus, CommandLine::kFailure);
    EXPECT_EQ(missing.err,
        "tintabel convert: " + path("none.gpl") + " -> " + path("e.ase") + ": File not found\n");
}

} // namespace
} // namespace tintabel::testing
