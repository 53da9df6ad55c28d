#include "app/AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace tintabel {

AfterFirstPaint::AfterFirstPaint(
    QWidget& window, std::function<void()> work, std::chrono::milliseconds longestWait)
    : m_window(window)
    , m_work(std::move(work))
    , m_longestWait(longestWait)
{
    // The program shows the window only after making it.
    QMetaObject::invokeMethod(this, &AfterFirstPaint::lookAtWindow, Qt::QueuedConnection);
}

void AfterFirstPaint::lookAtWindow()
{
    const QWindow* shown = m_window.windowHandle();
    if (!m_window.isVisible() || (shown && shown->isExposed())) {
        doWork();
        return;
    }
    m_window.installEventFilter(this);
    // A window minimised from the start is drawn only when the user restores it.
    QTimer::singleShot(m_longestWait, this, &AfterFirstPaint::doWork);
}

void AfterFirstPaint::doWork()
{
    m_window.removeEventFilter(this);
    if (m_work)
        std::exchange(m_work, nullptr)();
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        m_window.removeEventFilter(this);
        // Queued, so that the paint is finished and on screen first.
        QMetaObject::invokeMethod(this, &AfterFirstPaint::doWork, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tintabel
