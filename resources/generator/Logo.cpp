#include "Pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace tintabel::pictures {

namespace {

constexpr int logoWidth = 116;
constexpr int logoHeight = 299;
constexpr qreal centreX = logoWidth / 2.0;

const QColor captionGrey(0x9F, 0xB0, 0xC2);

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

} // namespace

QImage drawLogo(int scale)
{
    QImage image(logoWidth * scale, logoHeight * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    drawBackdrop(painter);
    drawCentredText(
        painter, QStringLiteral("VELDO"), dejaVu(10, QFont::Bold, 3.2), captionGrey, 27);
    drawCentredText(painter, QStringLiteral("Tintabel"), dejaVu(21, QFont::Bold), Qt::white, 52);
    drawGoldRule(painter, 61, 40);
    drawSwatchFan(painter, QPointF(centreX, 236), SwatchFan {});
    drawGoldRule(painter, 250, 40);
    drawCentredText(
        painter, QStringLiteral("attribute colours"), dejaVu(9.5, QFont::Normal), captionGrey, 267);
    drawCentredText(painter, QStringLiteral("FM 2009"), dejaVu(12, QFont::Bold, 1), gold, 285);
    return image;
}

} // namespace tintabel::pictures
