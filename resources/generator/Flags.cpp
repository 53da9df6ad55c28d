#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace tintabel::pictures {

namespace {

constexpr int flagWidth = 40;
constexpr int flagHeight = 25;
// Drawn eight times larger and scaled down, so the thin diagonals come out evenly blended
// instead of as stair steps.
constexpr int oversampling = 8;

// Draws into a canvas of the given logical size stretched over the oversampled flag, then
// scales the result down to the flag's own size.
template<typename Draw>
QImage drawFlag(int scale, qreal logicalWidth, qreal logicalHeight, Draw draw)
{
    QImage canvas(
        flagWidth * scale * oversampling, flagHeight * scale * oversampling, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(canvas.width() / logicalWidth, canvas.height() / logicalHeight);
        draw(painter);
    }
    return canvas.scaled(
        flagWidth * scale, flagHeight * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QPainterPath twoLines(const QLineF& first, const QLineF& second)
{
    QPainterPath path;
    for (const QLineF& line : {first, second}) {
        path.moveTo(line.p1());
        path.lineTo(line.p2());
    }
    return path;
}

void strokeLines(QPainter& painter, const QPainterPath& lines, const QColor& colour, qreal width)
{
    painter.strokePath(lines, QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
}

} // namespace

QImage drawEnglishFlag(int scale)
{
    // The Union flag on its 60 x 30 construction grid, stretched to the 8:5 picture.
    return drawFlag(scale, 60, 30, [](QPainter& painter) {
        const QColor blue(0x01, 0x21, 0x69);
        const QColor red(0xC8, 0x10, 0x2E);
        painter.fillRect(QRectF(0, 0, 60, 30), blue);

        const QPainterPath saltire = twoLines(QLineF(0, 0, 60, 30), QLineF(60, 0, 0, 30));
        strokeLines(painter, saltire, Qt::white, 6);

        // The red saltire is counterchanged: in each arm it keeps to one side of the white,
        // turning with the flag (below the diagonal at the upper hoist, above it at the upper
        // fly), so the red is clipped to one triangle per quarter.
        QPainterPath redSides;
        redSides.addPolygon(QPolygonF({{30, 15}, {60, 15}, {60, 30}}));
        redSides.addPolygon(QPolygonF({{30, 15}, {30, 30}, {0, 30}}));
        redSides.addPolygon(QPolygonF({{30, 15}, {0, 15}, {0, 0}}));
        redSides.addPolygon(QPolygonF({{30, 15}, {30, 0}, {60, 0}}));
        painter.save();
        painter.setClipPath(redSides);
        strokeLines(painter, saltire, red, 4);
        painter.restore();

        const QPainterPath cross = twoLines(QLineF(30, 0, 30, 30), QLineF(0, 15, 60, 15));
        strokeLines(painter, cross, Qt::white, 10);
        strokeLines(painter, cross, red, 6);
    });
}

QImage drawPolishFlag(int scale)
{
    // The halves meet on a whole, even row rather than half-way through row 12: a blended row
    // and the JPEG's halved colour resolution would smear pink across the border.
    return drawFlag(scale, flagWidth, flagHeight, [](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, flagWidth, 12), Qt::white);
        painter.fillRect(QRectF(0, 12, flagWidth, flagHeight - 12), QColor(0xDC, 0x14, 0x3C));
    });
}

} // namespace tintabel::pictures
