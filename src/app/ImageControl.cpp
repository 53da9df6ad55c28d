#include "app/ImageControl.h"

#include <QMouseEvent>
#include <QPixmap>

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
        resize(picture.size());
    emit pictureChanged();
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
