#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace tintabel {

namespace {

// The options Qt's application objects read from the command line of every window program;
// they reach QApplication untouched and are not listed in the help.
struct QtWindowOption {
    const char* name;
    bool takesValue;
};
constexpr QtWindowOption kQtWindowOptions[] = {{"platform", true}, {"platformpluginpath", true},
    {"platformtheme", true}, {"plugin", true}, {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true}, {"reverse", false}, {"session", true}, {"display", true},
    {"geometry", true}, {"style", true}, {"stylesheet", true}, {"widgetcount", false},
    {"nograb", false}, {"dograb", false}, {"qmljsdebugger", true}};

} // namespace

CommandLine::CommandLine(QString description, QString versionLine)
    : m_description(std::move(description))
    , m_versionLine(std::move(versionLine))
{
}

void CommandLine::addCommand(Command command)
{
    m_commands.push_back(std::move(command));
}

void CommandLine::addWindowOption(const QCommandLineOption& option)
{
    m_windowOptions.append(option);
}

CommandLine::Result CommandLine::run(const QStringList& arguments) const
{
    QCommandLineParser parser;
    parser.setApplicationDescription(m_description);
    // Qt's own options are single words after one dash ("-style fusion"); and what follows a
    // command's name is the command's, options included.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
        QStringLiteral("Shows the program's name and version."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOptions(m_windowOptions);
    for (const QtWindowOption& qtOption : kQtWindowOptions) {
        QCommandLineOption option(QString::fromLatin1(qtOption.name));
        if (qtOption.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString programName
        = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    const auto usageError = [&](const QString& message) {
        return Result {.exitStatus = kUsageError,
            .err = (programName + QStringLiteral(": ") + message + QLatin1Char('\n')
                + helpText(programName, parser.helpText()))
                       .toStdString()};
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        return {
            .exitStatus = kSuccess, .out = helpText(programName, parser.helpText()).toStdString()};
    if (parser.isSet(version))
        return {.exitStatus = kSuccess, .out = (m_versionLine + QLatin1Char('\n')).toStdString()};

    const QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty()) {
        const auto command = std::find_if(m_commands.begin(), m_commands.end(),
            [&](const Command& c) { return c.name == positional.first(); });
        if (command == m_commands.end())
            return usageError(QStringLiteral("Unknown command '%1'.").arg(positional.first()));
        return command->run(positional.mid(1));
    }

    Result window;
    for (const QCommandLineOption& option : m_windowOptions) {
        if (parser.isSet(option))
            window.windowOptions.append(option.names().constLast());
    }
    return window;
}

// Qt's usage line names no program before an application object exists, and knows nothing of
// commands: both are written here.
QString CommandLine::helpText(const QString& programName, const QString& parsersHelp) const
{
    QString text = QStringLiteral("Usage: %1 [options]\n").arg(programName);
    if (!m_commands.empty())
        text += QStringLiteral("       %1 <command> [arguments]\n").arg(programName);
    text += parsersHelp.section(QLatin1Char('\n'), 1);
    if (!m_commands.empty()) {
        text += QStringLiteral("\nCommands:\n");
        for (const Command& command : m_commands)
            text += QStringLiteral("  %1  %2\n").arg(command.name, -12).arg(command.summary);
    }
    return text;
}

} // namespace tintabel
