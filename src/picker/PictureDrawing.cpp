#include "picker/PictureDrawing.h"

#include <QPainter>

#include <algorithm>

namespace tintabel {

namespace {

constexpr QRgb kShadow = qRgb(128, 128, 128);
constexpr QRgb kHighlight = qRgb(255, 255, 255);
constexpr int kTitleLeft = 8;
constexpr int kTitlePadding = 2;

void fillSpan(QImage& picture, int left, int top, int right, int bottom, QRgb colour)
{
    const int scale = pictureScale(picture);
    const QRect clipped
        = QRect(QPoint(left * scale, top * scale), QPoint(right * scale - 1, bottom * scale - 1))
              .intersected(picture.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            picture.setPixel(x, y, colour);
}

} // namespace

QRgb rgbOf(RvbBytes rvb)
{
    return qRgb(rvb.red, rvb.green, rvb.blue);
}

int pictureScale(const QImage& picture)
{
    return std::max(1, qRound(picture.devicePixelRatio()));
}

void drawRectangle(QImage& picture, QRect area, QRgb pen, QRgb fill)
{
    const int left = area.left();
    const int top = area.top();
    const int right = left + area.width();
    const int bottom = top + area.height();
    if (right <= left || bottom <= top)
        return;
    fillSpan(picture, left, top, right, bottom, pen);
    fillSpan(picture, left + 1, top + 1, right - 1, bottom - 1, fill);
}

void drawSunkenBevel(QImage& picture, QRect area)
{
    const int left = area.left() - 1;
    const int top = area.top() - 1;
    const int right = area.right() + 1;
    const int bottom = area.bottom() + 1;
    fillSpan(picture, left, top, right, top + 1, kShadow);
    fillSpan(picture, left, top, left + 1, bottom, kShadow);
    fillSpan(picture, left, bottom, right + 1, bottom + 1, kHighlight);
    fillSpan(picture, right, top, right + 1, bottom + 1, kHighlight);
}

void drawGroupFrame(QImage& picture, QRect area, const QString& title, const QFont& font,
    QRgb background, QRgb text)
{
    QPainter painter(&picture);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineY = area.top() + metrics.height() / 2;
    const QRect frame(QPoint(area.left(), lineY), QPoint(area.right() - 1, area.bottom() - 1));
    painter.setPen(QColor(kShadow));
    painter.drawRect(frame);
    painter.setPen(QColor(kHighlight));
    painter.drawRect(frame.translated(1, 1));
    const QRect titleBox(area.left() + kTitleLeft, area.top(),
        metrics.horizontalAdvance(title) + 2 * kTitlePadding, metrics.height());
    painter.fillRect(titleBox, QColor(background));
    painter.setPen(QColor(text));
    painter.drawText(titleBox, Qt::AlignCenter, title);
}

void invertPixels(QImage& picture, PixelPoint origin, std::span<const PixelPoint> offsets)
{
    for (const PixelPoint offset : offsets) {
        const int x = origin.x + offset.x;
        const int y = origin.y + offset.y;
        if (picture.valid(x, y))
            picture.setPixel(x, y, picture.pixel(x, y) ^ 0x00FFFFFFu);
    }
}

} // namespace tintabel
