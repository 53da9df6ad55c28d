#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace tintabel::pictures {

namespace {

// The eight swatches of the fan, warm to cool, as a colour card would hold them.
const std::array<QColor, 8> swatchColours {QColor(0xD9, 0x48, 0x3B), QColor(0xEE, 0x8A, 0x2E),
    QColor(0xF2, 0xC2, 0x3A), QColor(0x5C, 0xB8, 0x5C), QColor(0x2B, 0xA8, 0x9E),
    QColor(0x2F, 0x8C, 0xE0), QColor(0x6A, 0x5A, 0xCD), QColor(0xC4, 0x4F, 0xA8)};

// Fewer cards keep the ends of the range and spread evenly over the rest.
QColor cardColour(int card, int cards)
{
    const int last = static_cast<int>(swatchColours.size()) - 1;
    return swatchColours[static_cast<std::size_t>(qRound(qreal(card) * last / (cards - 1)))];
}

} // namespace

// Each card is a swatch with a pale label strip, the cards pinned together at the bottom.
void drawSwatchFan(QPainter& painter, QPointF pivot, const SwatchFan& fan)
{
    const qreal cardWidth = fan.cardWidth;
    constexpr qreal cardLength = 138;
    constexpr qreal labelLength = 26;
    for (int i = 0; i < fan.cards; ++i) {
        const qreal angle = -fan.spreadDegrees / 2 + fan.spreadDegrees * i / (fan.cards - 1);
        painter.save();
        painter.translate(pivot);
        painter.rotate(angle);
        const QRectF card(-cardWidth / 2, -cardLength, cardWidth, cardLength);
        QPainterPath outline;
        outline.addRoundedRect(card, 3, 3);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 70));
        painter.drawPath(outline.translated(1.2, 1.2));
        painter.setBrush(QColor(0xF4, 0xF1, 0xEA));
        painter.drawPath(outline);
        QPainterPath swatch;
        swatch.addRoundedRect(card.adjusted(2, 2, -2, -labelLength), 2, 2);
        painter.setBrush(cardColour(i, fan.cards));
        painter.drawPath(swatch);
        if (fan.labelLines) {
            // Two short lines on the label strip stand for the colour's name and value.
            painter.setBrush(QColor(0xB8, 0xB2, 0xA6));
            painter.drawRect(QRectF(-cardWidth / 2 + 4, -labelLength + 6, cardWidth - 8, 1.6));
            painter.drawRect(QRectF(-cardWidth / 2 + 4, -labelLength + 10.5, cardWidth - 12, 1.6));
        }
        painter.restore();
    }
    painter.setPen(QPen(QColor(0x5A, 0x4A, 0x1E), 1));
    painter.setBrush(gold);
    painter.drawEllipse(pivot + QPointF(0, -8), 4, 4);
}

} // namespace tintabel::pictures
