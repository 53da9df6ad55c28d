#include "Pictures.h"

#include <QColor>

#include <array>
#include <random>

namespace tintabel::pictures {

namespace {

constexpr int width = 150;
constexpr int height = 160;
constexpr int bandHeight = 20;
constexpr std::array<QColor, 2> bandColours {QColor(204, 208, 212), QColor(219, 222, 225)};
// A fixed seed keeps the grain identical from one run to the next, so regenerating the pictures
// does not change files nobody meant to change. std::mt19937's output is fixed by the standard.
constexpr std::mt19937::result_type grainSeed = 20090214u;

int clampByte(int value)
{
    return value < 0 ? 0 : (value > 255 ? 255 : value);
}

} // namespace

QImage drawBackground()
{
    // RGB888 keeps the saved PNG at three channels: the preview composites onto it and expects
    // no alpha of its own.
    QImage image(width, height, QImage::Format_RGB888);
    std::mt19937 grain(grainSeed);
    const auto grainStep = [&grain] { return static_cast<int>(grain() % 5) - 2; };
    for (int y = 0; y < height; ++y) {
        const QColor& band = bandColours[static_cast<std::size_t>((y / bandHeight) % 2)];
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            line[3 * x] = static_cast<uchar>(clampByte(band.red() + grainStep()));
            line[3 * x + 1] = static_cast<uchar>(clampByte(band.green() + grainStep()));
            line[3 * x + 2] = static_cast<uchar>(clampByte(band.blue() + grainStep()));
        }
    }
    return image;
}

} // namespace tintabel::pictures
