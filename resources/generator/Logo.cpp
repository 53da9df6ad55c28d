#include "Pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace tintabel::pictures {

namespace {

constexpr int logoWidth = 116;
constexpr int logoHeight = 299;
constexpr qreal centreX = logoWidth / 2.0;

const QColor captionGrey(0x9F, 0xB0, 0xC2);
const QColor gold(0xF2, 0xC2, 0x3A);

// The eight swatches of the fan, warm to cool, as a colour card would hold them.
const std::array<QColor, 8> swatchColours {QColor(0xD9, 0x48, 0x3B), QColor(0xEE, 0x8A, 0x2E),
    QColor(0xF2, 0xC2, 0x3A), QColor(0x5C, 0xB8, 0x5C), QColor(0x2B, 0xA8, 0x9E),
    QColor(0x2F, 0x8C, 0xE0), QColor(0x6A, 0x5A, 0xCD), QColor(0xC4, 0x4F, 0xA8)};

QFont dejaVu(qreal pixelSize, QFont::Weight weight, qreal letterSpacing = 0)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferFullHinting);
    if (letterSpacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return font;
}

void drawCentredText(
    QPainter& painter, const QString& text, const QFont& font, const QColor& colour, qreal baseline)
{
    const QFontMetricsF metrics(font);
    // Letter spacing also follows the last letter; leave it out so the word sits in the middle.
    const qreal width = metrics.horizontalAdvance(text) - font.letterSpacing();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(centreX - width / 2, baseline), text);
}

void drawBackdrop(QPainter& painter)
{
    QLinearGradient shade(0, 0, 0, logoHeight);
    shade.setColorAt(0, QColor(0x26, 0x34, 0x45));
    shade.setColorAt(1, QColor(0x10, 0x17, 0x20));
    painter.fillRect(QRectF(0, 0, logoWidth, logoHeight), shade);
    // A hairline frame just inside the edge holds the banner together beside the window's groups.
    painter.setPen(QPen(QColor(255, 255, 255, 28), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(2.5, 2.5, logoWidth - 5, logoHeight - 5));
}

void drawGoldRule(QPainter& painter, qreal y, qreal halfWidth)
{
    QLinearGradient fade(centreX - halfWidth, 0, centreX + halfWidth, 0);
    fade.setColorAt(0, QColor(gold.red(), gold.green(), gold.blue(), 0));
    fade.setColorAt(0.5, gold);
    fade.setColorAt(1, QColor(gold.red(), gold.green(), gold.blue(), 0));
    painter.fillRect(QRectF(centreX - halfWidth, y, 2 * halfWidth, 1), fade);
}

// A fan of colour cards pinned at the bottom, each card a swatch with a pale label strip.
void drawSwatchFan(QPainter& painter)
{
    const QPointF pivot(centreX, 236);
    constexpr qreal cardWidth = 20;
    constexpr qreal cardLength = 138;
    constexpr qreal labelLength = 26;
    constexpr qreal spreadDegrees = 38;
    const int count = static_cast<int>(swatchColours.size());
    for (int i = 0; i < count; ++i) {
        const qreal angle = -spreadDegrees / 2 + spreadDegrees * i / (count - 1);
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
        painter.setBrush(swatchColours[static_cast<std::size_t>(i)]);
        painter.drawPath(swatch);
        // Two short lines on the label strip stand for the colour's name and value.
        painter.setBrush(QColor(0xB8, 0xB2, 0xA6));
        painter.drawRect(QRectF(-cardWidth / 2 + 4, -labelLength + 6, cardWidth - 8, 1.6));
        painter.drawRect(QRectF(-cardWidth / 2 + 4, -labelLength + 10.5, cardWidth - 12, 1.6));
        painter.restore();
    }
    // The rivet that holds the cards together.
    painter.setPen(QPen(QColor(0x5A, 0x4A, 0x1E), 1));
    painter.setBrush(gold);
    painter.drawEllipse(pivot + QPointF(0, -8), 4, 4);
}

} // namespace

QImage drawLogo()
{
    QImage image(logoWidth, logoHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    drawBackdrop(painter);
    drawCentredText(
        painter, QStringLiteral("VELDO"), dejaVu(10, QFont::Bold, 3.2), captionGrey, 27);
    drawCentredText(painter, QStringLiteral("Tintabel"), dejaVu(21, QFont::Bold), Qt::white, 52);
    drawGoldRule(painter, 61, 40);
    drawSwatchFan(painter);
    drawGoldRule(painter, 250, 40);
    drawCentredText(
        painter, QStringLiteral("attribute colours"), dejaVu(9.5, QFont::Normal), captionGrey, 267);
    drawCentredText(painter, QStringLiteral("FM 2009"), dejaVu(12, QFont::Bold, 1), gold, 285);
    return image;
}

} // namespace tintabel::pictures
