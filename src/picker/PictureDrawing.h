#pragma once

#include "picker/Couleur.h"
#include "picker/WheelGeometry.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <span>

class QFont;

namespace tintabel {

// Pixel-level drawing on the pages' pictures, with the rules the pages were designed with.

QRgb rgbOf(RvbBytes rvb);

// Device pixels per pixel of a picture drawn at a screen's full resolution: 1, 2, ...
int pictureScale(const QImage& picture);

// Outline in the pen colour, inside in the fill colour; right and bottom are the first pixels
// outside, as a rectangle is drawn on a window canvas. These two take pixels, whatever the
// picture's scale.
void drawRectangle(QImage& picture, QRect area, QRgb pen, QRgb fill);

// A one-pixel sunken bevel just outside the area: dark above and to the left, white below and to
// the right.
void drawSunkenBevel(QImage& picture, QRect area);

// An etched frame with its title over the top line, as a group box draws it.
void drawGroupFrame(QImage& picture, QRect area, const QString& title, const QFont& font,
    QRgb background, QRgb text);

// Inverts the colour of each device pixel at origin + offset, as a white pen in exclusive-or mode
// does; doing it twice restores the pixels. Pixels outside the picture are left alone.
void invertPixels(QImage& picture, PixelPoint origin, std::span<const PixelPoint> offsets);

} // namespace tintabel
