#include <QApplication>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

// With TINTABEL_SCREENSHOT set, the program saves a picture of its main window there once it is
// shown, and ends: a way to see it on a machine without a display (scripts/run uses it).
void takeScreenshotIfAsked(QWidget& window, QApplication& app)
{
    const char* target = std::getenv("TINTABEL_SCREENSHOT");
    if (!target || !*target)
        return;
    QTimer::singleShot(1500, &window, [&window, &app, path = QString::fromLocal8Bit(target)] {
        const bool saved = window.grab().save(path, "PNG");
        std::fprintf(stderr, saved ? "" : "could not save the screenshot\n");
        app.exit(saved ? 0 : 1);
    });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veldo Tintabel for FM 2009"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Veldo Tintabel 2 beta5"));
    window.setFixedSize(724, 324);
    window.show();
    takeScreenshotIfAsked(window, app);
    return app.exec();
}
