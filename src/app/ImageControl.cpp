#include "app/ImageControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace tintabel {

ImageControl::ImageControl(QWidget* parent, bool sizeToPicture)
    : QLabel(parent)
    , m_sizeToPicture(sizeToPicture)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageControl::setPicture(const QImage& picture)
{
    m_picture = picture;
    setPixmap(QPixmap::fromImage(picture));
    if (m_sizeToPicture && !picture.isNull())
        resize(picture.deviceIndependentSize().toSize());
    emit pictureChanged();
}

void ImageControl::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

void ImageControl::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

} // namespace tintabel
