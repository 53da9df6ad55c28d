#include "app/AfterFirstPaint.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace tintabel {

AfterFirstPaint::AfterFirstPaint(QWidget& window, std::function<void()> work)
    : m_window(window)
    , m_work(std::move(work))
{
    // The program shows the window only after making it.
    QMetaObject::invokeMethod(this, &AfterFirstPaint::lookAtWindow, Qt::QueuedConnection);
}

void AfterFirstPaint::lookAtWindow()
{
    const QWindow* shown = m_window.windowHandle();
    if (m_window.isVisible() && !(shown && shown->isExposed()))
        m_window.installEventFilter(this);
    else
        m_work();
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        m_window.removeEventFilter(this);
        // Queued, so that the paint is finished and on screen first.
        QMetaObject::invokeMethod(this, m_work, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tintabel
