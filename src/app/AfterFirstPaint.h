#pragma once

#include <QObject>

#include <chrono>
#include <functional>

class QWidget;

namespace tintabel {

// Runs work that can wait once a window has been drawn for the first time, so that the two do not
// share the processor while the user waits for the window. A window that is not shown, or is
// already on screen, when the event loop next runs gets its work done then; one shown but not
// drawn (started minimised) gets it after longestWait at the latest. Destroying this object drops
// work not yet done.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget& window, std::function<void()> work,
        std::chrono::milliseconds longestWait = std::chrono::seconds(1));

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lookAtWindow();
    void doWork();

    QWidget& m_window;
    std::function<void()> m_work;
    std::chrono::milliseconds m_longestWait;
};

} // namespace tintabel
