#include "picker/PictureBox.h"

#include "platform/GeneralErrorBox.h"

#include <QMouseEvent>
#include <QPainter>

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

void PictureBox::paintEvent(QPaintEvent* event)
{
    showErrors(m_messages, [&] {
        QPainter painter(this);
        painter.drawImage(event->rect(), m_picture, event->rect());
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
        const QPoint position = event->position().toPoint();
        handler({event->button(), event->buttons(), position.x(), position.y()});
    });
}

} // namespace tintabel
