#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tintabel::pictures {

namespace {

// How much of the fan each size can show: a 16-pixel icon has room for four broad cards, not
// for eight cards with their label lines.
SwatchFan fanFor(int size)
{
    if (size <= 24)
        return {.cards = 4, .cardWidth = 44, .spreadDegrees = 66, .labelLines = false};
    if (size <= 48)
        return {.cards = 6, .cardWidth = 32, .spreadDegrees = 66, .labelLines = false};
    if (size <= 64)
        return {.cards = 8, .cardWidth = 26, .spreadDegrees = 66, .labelLines = false};
    return {.cards = 8, .cardWidth = 26, .spreadDegrees = 66, .labelLines = true};
}

} // namespace

void paintIcon(QPainter& painter, int size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    // The tile's edges fall on whole pixels at every size, so that small icons stay sharp.
    const int margin = qMax(1, qRound(size * 12.0 / 256));
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    QPainterPath outline;
    const qreal corner = tile.width() * 0.18;
    outline.addRoundedRect(tile, corner, corner);
    QLinearGradient shade(tile.topLeft(), tile.bottomLeft());
    shade.setColorAt(0, QColor(0x2E, 0x3F, 0x54));
    shade.setColorAt(1, QColor(0x10, 0x17, 0x20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPath(outline);

    // The fan, in the logo's units, fills most of the tile's width and sits in its middle.
    const SwatchFan fan = fanFor(size);
    const qreal scale = tile.width() * 0.84 / 180;
    painter.save();
    painter.translate(tile.center().x(), tile.center().y() + 66 * scale);
    painter.scale(scale, scale);
    drawSwatchFan(painter, QPointF(0, 0), fan);
    painter.restore();
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintIcon(painter, size);
    return image;
}

} // namespace tintabel::pictures
