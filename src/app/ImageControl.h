#pragma once

#include <QImage>
#include <QLabel>

namespace tintabel {

// A picture at its own size in the top left corner of the control, clipped by it, with a click
// signal. With sizeToPicture the control takes the size of each picture it is given. Given a
// focus policy, it takes the focus, shows it with a frame, and Space or Enter click it.
class ImageControl : public QLabel {
    Q_OBJECT

public:
    explicit ImageControl(QWidget* parent = nullptr, bool sizeToPicture = false);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

signals:
    // A press and a release of the left button on the control, or Space or Enter while it has
    // the focus.
    void clicked();
    // setPicture has shown a picture.
    void pictureChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    bool m_sizeToPicture;
    bool m_pressed = false;
};

} // namespace tintabel
