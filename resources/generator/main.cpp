// Draws the program's pictures and writes them into the resources folder given as the only
// argument: the built-in logo, flags and preview background, and the background shipped beside
// the program as "standard.jpg".

#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <cstdlib>

namespace {

bool writePicture(const QImage& image, const QString& path, int jpegQuality = -1)
{
    QImageWriter writer(path, path.endsWith(QLatin1String(".png")) ? "png" : "jpeg");
    if (jpegQuality >= 0)
        writer.setQuality(jpegQuality);
    if (writer.write(image)) {
        std::printf("wrote %s\n", qPrintable(path));
        return true;
    }
    std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // Text needs a GUI application for its fonts, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return EXIT_FAILURE;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    if (!resources.mkpath(QStringLiteral("pictures"))
        || !resources.mkpath(QStringLiteral("program"))) {
        std::fprintf(stderr, "cannot create the picture folders under %s\n", argv[1]);
        return EXIT_FAILURE;
    }

    using namespace tintabel::pictures;
    const QImage background = drawBackground();
    const bool written
        = writePicture(drawLogo(), resources.filePath(QStringLiteral("pictures/logo.jpg")), 92)
        && writePicture(
            drawEnglishFlag(), resources.filePath(QStringLiteral("pictures/eng.jpg")), 100)
        && writePicture(
            drawPolishFlag(), resources.filePath(QStringLiteral("pictures/pol.jpg")), 100)
        && writePicture(background, resources.filePath(QStringLiteral("pictures/background.png")))
        && writePicture(background, resources.filePath(QStringLiteral("program/standard.jpg")), 95);
    return written ? EXIT_SUCCESS : EXIT_FAILURE;
}
