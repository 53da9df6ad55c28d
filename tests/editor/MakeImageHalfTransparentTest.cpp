#include "editor/MakeImageHalfTransparent.h"

#include <QImage>

#include <gtest/gtest.h>

namespace tintabel {
namespace {

// Images with and without alpha, premultiplied ones turned straight first (else the colour would
// follow the alpha): each comes out straight ARGB with the alpha given and its colour kept.
TEST(MakeImageHalfTransparent, GivesEveryPixelTheAlphaAndKeepsItsColour)
{
    struct Case {
        QImage::Format format;
        QRgb fill;
        int alpha;
        QRgb expected;
    };
    const Case cases[] = {
        {QImage::Format_RGB32, qRgb(10, 20, 30), 128, qRgba(10, 20, 30, 128)},
        {QImage::Format_Grayscale8, qRgb(90, 90, 90), 0, qRgba(90, 90, 90, 0)},
        {QImage::Format_ARGB32, qRgba(200, 100, 50, 10), 255, qRgba(200, 100, 50, 255)},
        {QImage::Format_ARGB32_Premultiplied, qRgb(200, 100, 50), 51, qRgba(200, 100, 50, 51)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        QImage image(4, 3, c.format);
        image.fill(QColor::fromRgba(c.fill));
        MakeImageHalfTransparent(image, c.alpha);
        ASSERT_EQ(image.format(), QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_EQ(image.pixel(x, y), c.expected) << x << "," << y;
    }
}

} // namespace
} // namespace tintabel
