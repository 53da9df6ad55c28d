#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace tintabel {

// One slot's patch in the preview: a picture with an alpha channel, laid over whatever lies
// beneath it in its group by the preview's own compositing rule. Without a picture it stays
// hidden. It paints opaquely what that rule gives: the group's face, the siblings stacked below
// it (the background picture, labels, earlier samples) and its picture over them. The siblings
// stacked above it (the input controls) hide it as usual.
//
// It reports presses, moves and releases of the mouse, in its own coordinates, for whoever drags
// it; while a button is held it receives every move, also outside itself.
class PreviewSample : public QWidget {
    Q_OBJECT

public:
    explicit PreviewSample(QWidget& group);

    const QImage& picture() const { return m_picture; }
    // The sample takes the picture's size and shows itself.
    void setPicture(QImage picture);
    void clearPicture();

    // Changes the pixels the sample paints once they are composited, such as to show them as
    // another eye sees them; an empty filter leaves them as they are.
    using PaintFilter = std::function<void(QImage& pixels)>;
    void setPaintFilter(PaintFilter filter);

    // What the sample paints, at ratio device pixels per pixel: on a screen of several, what
    // lies beneath is drawn at the screen's full resolution.
    QImage composited(qreal ratio = 1) const;

signals:
    void mouseDown(Qt::MouseButton button, QPoint position);
    void mouseMove(Qt::MouseButtons buttons, QPoint position);
    void mouseUp(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage beneath(qreal ratio) const;

    QImage m_picture;
    PaintFilter m_paintFilter;
};

} // namespace tintabel
