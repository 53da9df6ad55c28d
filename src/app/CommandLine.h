#pragma once

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tintabel {

// What the program does with its arguments, before any window or display exists: --help and
// --version answer at once, a command named first does its work without a window, and anything
// else opens the window with the window options given. The texts come back instead of being
// printed, so the whole exchange can be checked. Qt's own window options (-style, -platform, ...)
// are let through for the application object that reads them.
class CommandLine {
public:
    static constexpr int kSuccess = 0;
    static constexpr int kFailure = 1;
    static constexpr int kUsageError = 2;

    struct Result {
        std::optional<int> exitStatus {}; // none: open the window
        std::string out {}; // for standard output
        std::string err {}; // for standard error
        QStringList windowOptions {}; // the names of the window options given
    };

    // A command runs without a display, prints to out, reports errors to err and ends with
    // kSuccess, kFailure or kUsageError.
    struct Command {
        QString name;
        QString summary; // one line, for --help
        std::function<Result(const QStringList& arguments)> run; // the arguments after the name
    };

    CommandLine(QString description, QString versionLine);

    void addCommand(Command command);
    void addWindowOption(const QCommandLineOption& option);

    // The arguments as the process got them, the program's own name first.
    Result run(const QStringList& arguments) const;

private:
    QString helpText(const QString& programName, const QString& parsersHelp) const;

    QString m_description;
    QString m_versionLine;
    std::vector<Command> m_commands;
    QList<QCommandLineOption> m_windowOptions;
};

} // namespace tintabel
