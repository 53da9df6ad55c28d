#include "app/ColourFileCommands.h"
#include "app/CommandLine.h"
#include "app/EmbeddedPicture.h"
#include "app/LogCategories.h"
#include "app/ReadabilityCheck.h"
#include "app/SecondaryWindows.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Version.h"
#include "platform/CurlDownloader.h"
#include "platform/Environment.h"
#include "platform/Errors.h"
#include "platform/FontConfiguration.h"
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
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>

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

// The window's icon in the sizes drawn for a title bar and a task bar. The larger ones would cost
// a tenth of the start in converting and sending them to the display, for what the desktop takes
// from the installed icon theme anyway. Our own decoder reads them: the toolkit's would first load
// every picture format plugin it has.
QIcon windowIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        try {
            icon.addPixmap(QPixmap::fromImage(
                tintabel::loadEmbeddedPicture(QStringLiteral(":/icons/%1x%1/apps/").arg(size)
                    + QLatin1String(tintabel::version::kApplicationId) + QLatin1String(".png"))));
        } catch (const tintabel::Error&) {
            // A size missing only leaves the desktop to scale another.
            tintabel::logCurrentFailure(tintabel::logFiles(), "Reading the icon");
        }
    }
    return icon;
}

// Answered before any application object exists, so that they need no display.
tintabel::CommandLine::Result runCommandLine(
    const QStringList& arguments, const QCommandLineOption& noUpdateCheck)
{
    using namespace tintabel;
    LocalFileSystem commandFiles(Environment::fromProcess());
    CommandLine commandLine(
        QStringLiteral("Edits the attribute colours of Football Manager 2009 skins."),
        QString::fromLatin1(version::kVersionLine));
    commandLine.addCommand(applyCommand(commandFiles));
    commandLine.addCommand(convertCommand(commandFiles));
    commandLine.addCommand(readabilityCheckCommand());
    commandLine.addWindowOption(noUpdateCheck);
    return commandLine.run(arguments);
}

template<class Window, class... Arguments>
Window& made(std::unique_ptr<Window>& window, Arguments&... arguments)
{
    if (!window)
        window = std::make_unique<Window>(arguments...);
    return *window;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace tintabel;

    const QCommandLineOption noUpdateCheck(QStringLiteral("no-update-check"),
        QStringLiteral("Does not ask the update server whether a newer version exists."));
    // A start without arguments opens the window: the commands need not be made for it.
    const CommandLine::Result parsed = argc > 1
        ? runCommandLine(argumentsOf(argc, argv), noUpdateCheck)
        : CommandLine::Result {};
    if (parsed.exitStatus) {
        std::fputs(parsed.out.c_str(), stdout);
        std::fputs(parsed.err.c_str(), stderr);
        return *parsed.exitStatus;
    }

    std::jthread fontConfiguration = readFontConfigurationAside();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veldo Tintabel for FM 2009"));
    QApplication::setApplicationVersion(QLatin1String(version::kFull));
    // The desktop entry's name: the compositor and the task bar match the window with it.
    QGuiApplication::setDesktopFileName(QLatin1String(version::kApplicationId));

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
    fontConfiguration.join();
    TForm1 Form1(services);
    // The about and help tip windows are made when first opened.
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TForm3> Form3;
    Form1.secondaryWindows().attach([&]() -> QDialog& { return made(Form2, services); },
        [&]() -> QDialog& { return made(Form3); });
    QApplication::setWindowIcon(windowIcon());
    Form1.show();
    takeScreenshotIfAsked(Form1, app);
    return app.exec();
}
