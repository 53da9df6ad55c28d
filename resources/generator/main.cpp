// Draws the program's pictures and writes them into the resources folder given as the only
// argument: the built-in logo, flags and preview background, and the background shipped beside
// the program as "standard.jpg", and the application icon at each size the desktop asks for and
// as a scalable picture.

#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>

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

// The sizes of the freedesktop hicolor theme that desktops, menus and task bars look for.
constexpr int iconSizes[] = {16, 24, 32, 48, 64, 128, 256};

bool writeIcons(const QDir& resources)
{
    const QString name = QStringLiteral(TINTABEL_APP_ID);
    for (const int size : iconSizes) {
        const QString folder = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
        if (!resources.mkpath(folder)
            || !writePicture(tintabel::pictures::drawIcon(size),
                resources.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"))))
            return false;
    }
    const QString folder = QStringLiteral("icons/hicolor/scalable/apps");
    const QString path
        = resources.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".svg"));
    if (!resources.mkpath(folder))
        return false;
    constexpr int svgSize = 256;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(svgSize, svgSize));
    svg.setViewBox(QRect(0, 0, svgSize, svgSize));
    svg.setTitle(QStringLiteral("Veldo Tintabel"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(path));
        return false;
    }
    tintabel::pictures::paintIcon(painter, svgSize);
    painter.end();
    std::printf("wrote %s\n", qPrintable(path));
    return true;
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
    const auto writeScaled = [&resources](QImage (*draw)(int), const char* name, int quality) {
        for (const int scale : {1, 2}) {
            const QString file
                = QStringLiteral("pictures/%1%2.jpg")
                      .arg(QLatin1String(name),
                          scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale));
            if (!writePicture(draw(scale), resources.filePath(file), quality))
                return false;
        }
        return true;
    };
    const bool written = writeScaled(drawLogo, "logo", 92)
        && writeScaled(drawEnglishFlag, "eng", 100) && writeScaled(drawPolishFlag, "pol", 100)
        && writePicture(background, resources.filePath(QStringLiteral("pictures/background.png")))
        && writePicture(background, resources.filePath(QStringLiteral("program/standard.jpg")), 95)
        && writeIcons(resources);
    return written ? EXIT_SUCCESS : EXIT_FAILURE;
}
