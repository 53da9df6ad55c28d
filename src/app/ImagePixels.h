#pragma once

#include "readability/PixelBuffer.h"

#include <QImage>

namespace tintabel {

// The pixels of a 32-bit picture (Format_RGB32 or Format_ARGB32) for the readability figures.
inline PixelBuffer pixelsOf(QImage& picture)
{
    return {picture.width(), picture.height(), picture.bytesPerLine(), picture.bits()};
}

inline ConstPixelBuffer constPixelsOf(const QImage& picture)
{
    return {picture.width(), picture.height(), picture.bytesPerLine(), picture.constBits()};
}

// The picture itself when its pixels are 32-bit words of unpremultiplied colour, else a copy
// that is.
inline QImage with32BitPixels(const QImage& picture)
{
    if (picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32)
        return picture;
    return picture.convertToFormat(QImage::Format_ARGB32);
}

} // namespace tintabel
