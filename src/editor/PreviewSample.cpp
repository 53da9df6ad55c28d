#include "editor/PreviewSample.h"

#include "editor/SampleCompositor.h"

#include <QMouseEvent>
#include <QPainter>

#include <span>
#include <utility>

namespace tintabel {

namespace {

// Lays picture over target with the picture's top left corner at offset (in target's pixels).
void compositeOnto(QImage& target, const QImage& picture, QPoint offset)
{
    const QRect area = target.rect() & QRect(offset, picture.size());
    if (area.isEmpty())
        return;
    const auto width = static_cast<std::size_t>(area.width());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* from
            = reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y - offset.y()))
            + (area.left() - offset.x());
        auto* onto = reinterpret_cast<std::uint32_t*>(target.scanLine(y)) + area.left();
        compositeRow(std::span(from, width), std::span(onto, width));
    }
}

// The sample's picture over as many device pixels as it covers; it is of one colour, so nothing is
// lost by repeating its pixels.
QImage scaled(const QImage& picture, qreal ratio)
{
    return ratio == 1 ? picture : picture.scaled(picture.size() * ratio);
}

} // namespace

PreviewSample::PreviewSample(QWidget& group)
    : QWidget(&group)
{
    // Not marked opaque although it paints every pixel: the toolkit skips repainting an opaque
    // widget when only what lies beneath it changes, and a sample shows what lies beneath.
    setCursor(Qt::DragMoveCursor);
    hide();
}

void PreviewSample::setPicture(QImage picture)
{
    if (picture.format() != QImage::Format_ARGB32)
        picture.convertTo(QImage::Format_ARGB32);
    m_picture = std::move(picture);
    resize(m_picture.size());
    update();
    show();
}

void PreviewSample::clearPicture()
{
    m_picture = QImage();
    hide();
}

QImage PreviewSample::beneath(qreal ratio) const
{
    QWidget* group = parentWidget();
    QImage image(size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(group->palette().color(QPalette::Window));
    group->render(&image, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    // Children come in stacking order, bottom first.
    for (QObject* child : group->children()) {
        if (child == this)
            break;
        auto* sibling = qobject_cast<QWidget*>(child);
        if (!sibling || !sibling->isVisibleTo(group))
            continue;
        const QRect overlap = sibling->geometry() & geometry();
        if (overlap.isEmpty())
            continue;
        if (auto* sample = qobject_cast<PreviewSample*>(sibling))
            compositeOnto(image, scaled(sample->m_picture, ratio), (sample->pos() - pos()) * ratio);
        else
            sibling->render(&image, overlap.topLeft() - pos(),
                QRegion(overlap.translated(-sibling->pos())), QWidget::DrawChildren);
    }
    return image;
}

void PreviewSample::setPaintFilter(PaintFilter filter)
{
    m_paintFilter = std::move(filter);
    update();
}

QImage PreviewSample::composited(qreal ratio) const
{
    QImage image = beneath(ratio);
    compositeOnto(image, scaled(m_picture, ratio), QPoint());
    if (m_paintFilter)
        m_paintFilter(image);
    return image;
}

void PreviewSample::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, composited(devicePixelRatioF()));
}

void PreviewSample::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseDown(event->button(), event->position().toPoint());
}

void PreviewSample::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseMove(event->buttons(), event->position().toPoint());
}

void PreviewSample::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseUp(event->button(), event->position().toPoint());
}

} // namespace tintabel
