#include "app/ColourFileCommands.h"
#include "app/CommandLine.h"
#include "app/ReadabilityCheck.h"
#include "app/SecondaryWindows.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Version.h"
#include "platform/CurlDownloader.h"
#include "platform/Environment.h"
#include "platform/LocalFileSystem.h"
#include "platform/OfflineDownloader.h"
#include "platform/PictureLoader.h"
#include "platform/QtDialogs.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtShell.h"
#include "platform/RegistryStore.h"
#include "platform/Services.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

// With TINTABEL_SCREENSHOT set, the program saves a picture of its main window there once it is
// shown, and closes it as the user would: a way to see it on a machine without a display
// (scripts/run uses it).
void takeScreenshotIfAsked(QWidget& window, QApplication& app)
{
    const char* target = std::getenv("TINTABEL_SCREENSHOT");
    if (!target || !*target)
        return;
    QTimer::singleShot(1500, &window, [&window, &app, path = QString::fromLocal8Bit(target)] {
        const bool saved = window.grab().save(path, "PNG");
        std::fprintf(stderr, saved ? "" : "could not save the screenshot\n");
        window.close();
        app.exit(saved ? 0 : 1);
    });
}

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// All the sizes of the icon the desktop shows, so that each place picks the one drawn for it.
QIcon applicationIcon()
{
    QIcon icon;
    for (QDirIterator it(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
             QDirIterator::Subdirectories);
         it.hasNext();)
        icon.addFile(it.next());
    return icon;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace tintabel;

    // Answered before any application object exists, so that they need no display.
    LocalFileSystem commandFiles(Environment::fromProcess());
    CommandLine commandLine(
        QStringLiteral("Edits the attribute colours of Football Manager 2009 skins."),
        QString::fromLatin1(version::kVersionLine));
    commandLine.addCommand(applyCommand(commandFiles));
    commandLine.addCommand(convertCommand(commandFiles));
    commandLine.addCommand(readabilityCheckCommand());
    const QCommandLineOption noUpdateCheck(QStringLiteral("no-update-check"),
        QStringLiteral("Does not ask the update server whether a newer version exists."));
    commandLine.addWindowOption(noUpdateCheck);
    const CommandLine::Result parsed = commandLine.run(argumentsOf(argc, argv));
    if (parsed.exitStatus) {
        std::fputs(parsed.out.c_str(), stdout);
        std::fputs(parsed.err.c_str(), stderr);
        return *parsed.exitStatus;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veldo Tintabel for FM 2009"));
    QApplication::setApplicationVersion(QLatin1String(version::kFull));
    // The desktop entry's name: the compositor and the task bar match the window with it.
    QGuiApplication::setDesktopFileName(QLatin1String(version::kApplicationId));
    QApplication::setWindowIcon(applicationIcon());

    const Environment environment = Environment::fromProcess();
    LocalFileSystem files(environment);
    RegistryStore registry(environment);
    QtDialogs dialogs;
    QtMessageBoxes messages;
    QtShell shell(environment);
    CurlDownloader network(environment);
    OfflineDownloader offline;
    const bool checkForUpdate = TINTABEL_UPDATE_CHECK
        && !parsed.windowOptions.contains(noUpdateCheck.names().constLast());
    Downloader& downloader = checkForUpdate ? static_cast<Downloader&>(network) : offline;
    PictureLoader pictures(files);
    Services services {
        .files = files,
        .registry = registry,
        .dialogs = dialogs,
        .messages = messages,
        .shell = shell,
        .downloader = downloader,
        .pictures = pictures,
        .environment = environment,
        .programFile = QCoreApplication::applicationFilePath().toStdString(),
        .processEvents = [] { QCoreApplication::processEvents(); },
    };

    // Making the main window starts the update check, which goes on beside it.
    TForm1 Form1(services);
    TForm2 Form2(services);
    TForm3 Form3;
    Form1.secondaryWindows().attach(Form2, Form3);
    Form1.show();
    takeScreenshotIfAsked(Form1, app);
    return app.exec();
}
