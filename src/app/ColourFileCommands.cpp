#include "app/ColourFileCommands.h"

#include "colours/PaletteFormat.h"
#include "colours/SchemeApplication.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

#include <QCommandLineParser>

namespace tintabel {

namespace {

struct Usage {
    const char* command;
    const char* line;
};

constexpr Usage kApply {"apply", "Usage: tintabel apply [--dry-run] SCHEME TARGET..."};
constexpr Usage kConvert {"convert", "Usage: tintabel convert INPUT OUTPUT"};

std::string problem(const Usage& usage, std::string_view what)
{
    return "tintabel " + std::string(usage.command) + ": " + std::string(what) + "\n";
}

CommandLine::Result usageError(const Usage& usage, std::string_view what)
{
    return {
        .exitStatus = CommandLine::kUsageError, .err = problem(usage, what) + usage.line + "\n"};
}

CommandLine::Result apply(FileSystem& files, const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption dryRun(QStringLiteral("dry-run"));
    parser.addOption(dryRun);
    if (!parser.parse(QStringList {QStringLiteral("apply")} + arguments))
        return usageError(kApply, parser.errorText().toStdString());
    const QStringList positional = parser.positionalArguments();
    if (positional.size() < 2)
        return usageError(kApply, "a scheme and at least one target are needed");

    const std::string schemePath = positional.first().toStdString();
    SlotScheme scheme;
    try {
        scheme = SlotScheme::read(files, schemePath, paletteFormatOf(schemePath));
    } catch (const Error& error) {
        return usageError(kApply, schemePath + ": " + error.what());
    }
    CommandLine::Result result {.exitStatus = CommandLine::kSuccess};
    for (const std::string& warning : scheme.warnings)
        result.err += problem(kApply, schemePath + ": " + warning);
    const bool write = !parser.isSet(dryRun);
    const SchemeApplication application(files, std::move(scheme));
    const auto fail = [&result](const std::string& path, std::string_view reason) {
        result.err += problem(kApply, path + ": " + std::string(reason));
        result.exitStatus = CommandLine::kFailure;
    };
    for (const QString& target : positional.mid(1)) {
        std::vector<std::string> paths;
        try {
            paths = application.colourFiles(target.toStdString());
        } catch (const Error& error) {
            fail(target.toStdString(), error.what());
            continue;
        }
        if (paths.empty())
            fail(target.toStdString(), "the skin has no colour file");
        for (const std::string& path : paths) {
            const ColourFileOutcome outcome = application.apply(path, write);
            if (!outcome.failure.empty()) {
                fail(path, outcome.failure);
                continue;
            }
            if (outcome.changes.empty()) {
                result.out += path + ": stays as it is\n";
                continue;
            }
            result.out += path + (write ? ": changed\n" : ": would change\n");
            for (const ColourChange& change : outcome.changes)
                result.out += "  " + change.text() + "\n";
        }
    }
    return result;
}

CommandLine::Result convert(FileSystem& files, const QStringList& arguments)
{
    if (arguments.size() != 2)
        return usageError(kConvert, "an input and an output file are needed");
    const std::string input = arguments[0].toStdString();
    const std::string output = arguments[1].toStdString();
    try {
        paletteFormatOf(output);
        if (!sameNameIgnoringCase(extensionPart(input), ".xml"))
            paletteFormatOf(input);
    } catch (const Error& error) {
        return usageError(kConvert, error.what());
    }
    CommandLine::Result result {.exitStatus = CommandLine::kSuccess};
    try {
        for (const std::string& warning : convertPalette(files, input, output))
            result.err += problem(kConvert, input + ": " + warning);
    } catch (const Error& error) {
        result.err += problem(kConvert, input + " -> " + output + ": " + error.what());
        result.exitStatus = CommandLine::kFailure;
    }
    return result;
}

} // namespace

CommandLine::Command applyCommand(FileSystem& files)
{
    return {QStringLiteral("apply"),
        QStringLiteral("Puts a colour scheme or palette into colour files and skins."),
        [&files](const QStringList& arguments) { return apply(files, arguments); }};
}

CommandLine::Command convertCommand(FileSystem& files)
{
    return {QStringLiteral("convert"),
        QStringLiteral("Converts between .ctm, .gpl and .ase, or from a colour XML file."),
        [&files](const QStringList& arguments) { return convert(files, arguments); }};
}

} // namespace tintabel
