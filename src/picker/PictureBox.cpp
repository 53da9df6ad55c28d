#include "picker/PictureBox.h"

#include "platform/GeneralErrorBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace tintabel {

PictureBox::PictureBox(MessageBoxes& messages, QSize size, QImage::Format format, QWidget* parent)
    : QWidget(parent)
    , m_messages(messages)
    , m_picture(size, format)
{
    setFixedSize(size);
    m_picture.fill(Qt::black);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::useDeviceResolution()
{
    const int scale = std::max(1, qCeil(devicePixelRatioF()));
    m_picture = QImage(size() * scale, m_picture.format());
    m_picture.setDevicePixelRatio(scale);
    m_picture.fill(Qt::black);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    showErrors(m_messages, [&] {
        QPainter painter(this);
        const QRectF area = event->rect();
        const qreal scale = m_picture.devicePixelRatio();
        painter.drawImage(area, m_picture, QRectF(area.topLeft() * scale, area.size() * scale));
    });
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    forward(m_down, event);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    forward(m_move, event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    forward(m_up, event);
}

void PictureBox::forward(const MouseHandler& handler, QMouseEvent* event)
{
    showErrors(m_messages, [&] {
        event->accept();
        if (!handler)
            return;
        // On a screen of several device pixels per pixel the position falls between pixels: it
        // is the pixel it falls in, as on any other screen.
        const QPointF position = event->position();
        handler({event->button(), event->buttons(), qFloor(position.x()), qFloor(position.y())});
    });
}

} // namespace tintabel
