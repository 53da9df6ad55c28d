#include "editor/MakeImageHalfTransparent.h"

#include <QImage>

namespace tintabel {

void MakeImageHalfTransparent(QImage& image, std::uint8_t alpha)
{
    // Premultiplied pixels would change colour with the new alpha.
    if (image.format() != QImage::Format_ARGB32)
        image.convertTo(QImage::Format_ARGB32);
    const QRgb alphaBits = QRgb {alpha} << 24;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = (line[x] & 0x00FFFFFFu) | alphaBits;
    }
}

} // namespace tintabel
