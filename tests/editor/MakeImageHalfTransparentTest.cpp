#include "editor/MakeImageHalfTransparent.h"

#include <QImage>

#include <gtest/gtest.h>

namespace tintabel {
namespace {

void expectEveryPixel(const QImage& image, QRgb expected)
{
    ASSERT_EQ(image.format(), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), expected) << x << "," << y;
}

TEST(MakeImageHalfTransparent, GivesImagesWithoutAlphaOneAndKeepsTheirColours)
{
    QImage colour(16, 15, QImage::Format_RGB32);
    colour.fill(qRgb(10, 20, 30));
    MakeImageHalfTransparent(colour, 128);
    expectEveryPixel(colour, qRgba(10, 20, 30, 128));

    QImage grey(4, 3, QImage::Format_Grayscale8);
    grey.fill(90);
    MakeImageHalfTransparent(grey, 0);
    expectEveryPixel(grey, qRgba(90, 90, 90, 0));
}

TEST(MakeImageHalfTransparent, ReplacesAnAlphaThereIsWithoutTouchingTheColour)
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(qRgba(200, 100, 50, 10));
    MakeImageHalfTransparent(image, 255);
    expectEveryPixel(image, qRgba(200, 100, 50, 255));

    // A premultiplied image is turned straight first, else the colour would follow the alpha.
    QImage premultiplied(3, 2, QImage::Format_ARGB32_Premultiplied);
    premultiplied.fill(qRgba(200, 100, 50, 255));
    MakeImageHalfTransparent(premultiplied, 51);
    expectEveryPixel(premultiplied, qRgba(200, 100, 50, 51));
}

} // namespace
} // namespace tintabel
