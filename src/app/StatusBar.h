#pragma once

#include <QLabel>

#include <string_view>

namespace tintabel {

// The status bar: one sunken text panel along the bottom of the window. It shows the long hint of
// the control under the mouse once it follows a window's hints; other texts put there stay until
// the next hint replaces them.
class StatusBar : public QLabel {
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    // A hint is "short|long": the short part becomes the tooltip, the long part (after the first
    // "|") what the status bar shows while the mouse is on the control.
    static void setHint(QWidget& control, std::string_view hint);

    void followHintsOf(QWidget& window);
    void setTextColour(const QColor& colour);

signals:
    // The left button only, as a click; the others do nothing.
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace tintabel
