#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace tintabel {

class MessageBoxes;

// A picture element: shows a bitmap of its own size that its owner draws into, and passes mouse
// presses, moves and releases on to its owner. While a button is held the moves keep coming, also
// from outside the element, with coordinates outside its area.
class PictureBox : public QWidget {
public:
    struct Mouse {
        Qt::MouseButton button = Qt::NoButton; // the button pressed or released
        Qt::MouseButtons buttons; // the buttons held
        int x = 0;
        int y = 0;
    };
    using MouseHandler = std::function<void(const Mouse&)>;

    PictureBox(MessageBoxes& messages, QSize size, QImage::Format format, QWidget* parent);

    // Makes the picture one of the screen's device pixels, its device pixel ratio set, for an
    // owner that draws at full resolution; the mouse still reports pixels.
    void useDeviceResolution();

    QImage& picture() { return m_picture; }
    const QImage& picture() const { return m_picture; }

    void onMouseDown(MouseHandler handler) { m_down = std::move(handler); }
    void onMouseMove(MouseHandler handler) { m_move = std::move(handler); }
    void onMouseUp(MouseHandler handler) { m_up = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void forward(const MouseHandler& handler, QMouseEvent* event);

    MessageBoxes& m_messages;
    QImage m_picture;
    MouseHandler m_down;
    MouseHandler m_move;
    MouseHandler m_up;
};

} // namespace tintabel
