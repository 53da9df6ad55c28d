#include "app/StatusBar.h"

#include "app/DesignedTextColour.h"

#include <QEvent>
#include <QMouseEvent>
#include <QStatusTipEvent>

namespace tintabel {

StatusBar::StatusBar(QWidget* parent)
    : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setIndent(2);
    setAttribute(Qt::WA_NoMousePropagation);
}

void StatusBar::setHint(QWidget& control, std::string_view hint)
{
    const QString text = QString::fromUtf8(hint.data(), static_cast<qsizetype>(hint.size()));
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    control.setToolTip(bar < 0 ? text : text.left(bar));
    control.setStatusTip(bar < 0 ? text : text.mid(bar + 1));
}

void StatusBar::followHintsOf(QWidget& window)
{
    window.removeEventFilter(this);
    window.installEventFilter(this);
}

void StatusBar::setTextColour(const QColor& colour)
{
    DesignedTextColour::apply(*this, colour);
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QLabel::eventFilter(watched, event);
}

void StatusBar::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

} // namespace tintabel
