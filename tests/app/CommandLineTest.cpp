#include "app/CommandLine.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace tintabel {
namespace {

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
        {{"-h"}, 0, usage, "", {}, {}},
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
        EXPECT_EQ(result.out.substr(0, c.outStart.size()), c.outStart);
        EXPECT_EQ(result.out.empty(), c.outStart.empty());
        EXPECT_EQ(result.err.substr(0, c.errStart.size()), c.errStart);
        EXPECT_EQ(result.err.empty(), c.errStart.empty());
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

} // namespace
} // namespace tintabel
