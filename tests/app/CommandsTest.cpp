#include "app/ColourFileCommands.h"
#include "app/CommandLine.h"
#include "app/ReadabilityCheck.h"
#include "colours/SlotScheme.h"
#include "platform/Errors.h"
#include "platform/doubles/FaultyFileSystem.h"
#include "support/SchemeRecord.h"
#include "support/TempFolder.h"
#include "support/XmlTestDocuments.h"

#include <QImage>

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace tintabel::testing {
namespace {

namespace fs = std::filesystem;

// An output that starts with start, or none when start is empty.
void expectStart(const std::string& output, const std::string& start)
{
    EXPECT_EQ(output.substr(0, start.size()), start) << output;
    EXPECT_EQ(output.empty(), start.empty()) << output;
}

TEST(CommandLine, AnswersItselfRunsACommandOrOpensTheWindow)
{
    CommandLine commandLine(QStringLiteral("Does things."), QStringLiteral("Tool 1.0~rc2"));
    commandLine.addWindowOption(QCommandLineOption(
        QStringLiteral("no-update-check"), QStringLiteral("Starts without asking.")));
    QStringList given;
    commandLine.addCommand({QStringLiteral("check"), QStringLiteral("Checks a file."),
        [&given](const QStringList& arguments) {
            given = arguments;
            return CommandLine::Result {.exitStatus = 1, .out = "figures\n", .err = "bad\n"};
        }});

    struct Case {
        QStringList arguments; // after the program's name
        std::optional<int> status;
        std::string outStart, errStart; // empty: nothing is printed there
        QStringList windowOptions, commandGot;
    };
    const std::string usage = "Usage: tintabel [options]\n       tintabel <command> [arguments]\n";
    const Case cases[] = {
        {{}, std::nullopt, "", "", {}, {}},
        {{"--no-update-check"}, std::nullopt, "", "", {"no-update-check"}, {}},
        // Qt's own options are left for the application object.
        {{"-style", "fusion", "--platform=offscreen"}, std::nullopt, "", "", {}, {}},
        {{"--help"}, 0, usage + "Does things.\n", "", {}, {}},
        {{"--version"}, 0, "Tool 1.0~rc2\n", "", {}, {}},
        {{"--bogus"}, 2, "", "tintabel: Unknown option 'bogus'.\n" + usage, {}, {}},
        {{"stray", "x"}, 2, "", "tintabel: Unknown command 'stray'.\n" + usage, {}, {}},
        // What follows a command's name is the command's, options and --help included.
        {{"--no-update-check", "check", "--help", "a.xml"}, 1, "figures\n", "bad\n", {},
            {"--help", "a.xml"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        given.clear();
        const CommandLine::Result result
            = commandLine.run(QStringList {QStringLiteral("/opt/bin/tintabel")} + c.arguments);
        EXPECT_EQ(result.exitStatus, c.status);
        expectStart(result.out, c.outStart);
        expectStart(result.err, c.errStart);
        EXPECT_EQ(result.windowOptions, c.windowOptions);
        EXPECT_EQ(given, c.commandGot);
    }

    // The help lists the window's options and the commands, and keeps Qt's own to itself.
    const std::string help
        = commandLine.run({QStringLiteral("tintabel"), QStringLiteral("-h")}).out;
    for (const char* line : {"  --no-update-check  Starts without asking.\n",
             "Commands:\n  check         Checks a file.\n"})
        EXPECT_NE(help.find(line), std::string::npos) << line << " in\n" << help;
    EXPECT_EQ(help.find("style"), std::string::npos) << help;
}

// Names "normal attribute" in another red and "low attribute" as skinDocument has it.
constexpr std::string_view kScheme = "GIMP Palette\n1 2 3 low attribute\n40 5 6 normal attribute\n";
const std::string kChanged = replaced(skinDocument(), "red=\"4\"", "red=\"40\"");

// Dark colours far apart from each other: readable on white, unreadable on black.
constexpr const char* kReadable = R"(<colours>
<colour name="low attribute" red="139" green="0" blue="0"/>
<colour name="normal attribute" red="0" green="0" blue="128"/>
<colour name="good attribute" red="0" green="100" blue="0"/>
<colour name="excellent attribute" red="0" green="0" blue="0"/>
<colour name="special attribute" red="128" green="0" blue="128"/>
<colour name="attribute label" red="0" green="0" blue="0" alpha="255"/>
<colour name="special attribute label" red="139" green="69" blue="19"/>
<colour name="profile extra text" red="0" green="0" blue="0"/>
</colours>)";

// The commands in this process, on the files of a folder of the test's own.
class CommandsTest : public ::testing::Test {
protected:
    CommandsTest()
    {
        folder.write("s.gpl", kScheme);
        folder.write("skin/settings/colours.xml", skinDocument());
        folder.write("skin/settings/config.xml", "<config><x/></config>");
        folder.write("loose.xml", skinDocument());
        folder.write("readable.xml", kReadable);
        QImage white(4, 3, QImage::Format_RGB32);
        white.fill(Qt::white);
        white.save(QString::fromStdString(path("white.png")));
    }

    // Arguments with a dot, and those naming what is in the folder, name files of the folder.
    CommandLine::Result run(const CommandLine::Command& command, QStringList arguments)
    {
        for (QString& argument : arguments) {
            if (argument.contains(QLatin1Char('.')) || fs::exists(folder / argument.toStdString()))
                argument = QString::fromStdString(path(argument.toStdString()));
        }
        return command.run(arguments);
    }
    CommandLine::Result apply(QStringList arguments) { return run(applyCommand(files), arguments); }

    std::string path(std::string_view name) const { return (folder / name).string(); }

    TempFolder folder;
    TempFolder home;
    FaultyFileSystem files {Environment {}};
};

TEST_F(CommandsTest, ADryRunReportsAndTouchesNothingThenApplyChangesOnlyTheValues)
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

    // A scheme file goes in as "Load colour scheme" puts it, alphas included.
    folder.write("s.ctm", schemeRecord("good attribute", "7", "8", "9", "7"));
    EXPECT_EQ(apply({"s.ctm", "loose.xml"}).out,
        path("loose.xml") + ": changed\n  good attribute: 7,8,9,255 -> 7,8,9,7\n");
}

TEST_F(CommandsTest, AFileThatCannotBeReadFailsAloneAndStaysUntouched)
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

TEST_F(CommandsTest, WrongArgumentsAndUnreadableSchemesEndWithTwoAndChangeNothing)
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
    EXPECT_FALSE(fs::exists(folder / "out.xml"));
}

TEST_F(CommandsTest, ConversionsGoRoundWithoutLosingAColour)
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

TEST_F(CommandsTest, TheCheckPrintsTheFiguresAndExitsByTheirVerdict)
{
    fs::permissions(folder / "readable.xml", fs::perms::owner_read);
    folder.write("other.xml", "<skin><colour name=\"normal attribute\"/></skin>");
    Environment environment;
    environment.home = home.path().string();
    const CommandLine::Command check {QString(), QString(),
        [&](const QStringList& arguments) { return runReadabilityCheck(arguments, environment); }};
    const struct {
        QStringList arguments;
        int status;
        std::string outStart, errStart;
    } cases[] {
        {{"--against", "ffffff", "readable.xml"}, 0,
            "low attribute           8B0000  255  8B0000  10.01  pass\n", ""},
        {{"--background", "white.png", "readable.xml"}, 0, "low attribute           8B0000", ""},
        {{"--json", "--against", "000000", "readable.xml"}, 1,
            R"({"slots": [
  {"name": "low attribute", "colour": "#8b0000", "alpha": 255, "beneath": "#000000", )",
            ""},
        // Over the start background, where the low sample starts.
        {{"readable.xml"}, 0, "low attribute           8B0000  255  8B0000   6.45  pass\n", ""},
        {{"--against", "FFF", "readable.xml"}, 2, "",
            "tintabel check: --against takes six hexadecimal digits, RRGGBB.\nUsage: "},
        {{"--against", "FFFFFF", "--background", "white.png", "readable.xml"}, 2, "",
            "tintabel check: Give either --background or --against, not both.\n"},
        {{"--json"}, 2, "", "tintabel check: Give one colour XML file.\n"},
        {{"--stray", "readable.xml"}, 2, "", "tintabel check: Unknown option 'stray'.\n"},
        {{"other.xml"}, 2, "", "Not appropriate XML file\n"},
        {{"--background", "absent.png", "readable.xml"}, 2, "", "File not found\n"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const CommandLine::Result result = run(check, row.arguments);
        EXPECT_EQ(result.exitStatus, row.status);
        expectStart(result.out, row.outStart);
        expectStart(result.err, row.errStart);
    }
    // Only read: the document stays read-only.
    EXPECT_EQ(fs::status(folder / "readable.xml").permissions(), fs::perms::owner_read);
}

} // namespace
} // namespace tintabel::testing
