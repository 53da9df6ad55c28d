#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>

class QPainter;

namespace tintabel::pictures {

// The pictures the program carries or ships; each is drawn from scratch, so the same build of
// this program always writes the same files.
// At scale 2 the same pictures for screens of two device pixels per pixel ("<name>@2x").
QImage drawLogo(int scale = 1); // 116 x 299
QImage drawEnglishFlag(int scale = 1); // 40 x 25, the Union flag
QImage drawPolishFlag(int scale = 1); // 40 x 25
QImage drawBackground(); // 150 x 160, RGB888
// The application icon, size x size pixels, drawn at that size; the largest size also paints
// the scalable icon.
QImage drawIcon(int size);
void paintIcon(QPainter& painter, int size);

// The gold of the logo's rules and of the rivet that holds the cards together.
inline const QColor gold(0xF2, 0xC2, 0x3A);

// The fan of colour cards of the logo and the icon, in the logo's units (cards 138 long); the
// painter scales it. Small icons take fewer, wider cards without label lines, which only blur.
struct SwatchFan {
    int cards = 8;
    qreal cardWidth = 20;
    qreal spreadDegrees = 38;
    bool labelLines = true;
};
void drawSwatchFan(QPainter& painter, QPointF pivot, const SwatchFan& fan);

} // namespace tintabel::pictures
