#include "app/GroupFrame.h"

#include <QPainter>
#include <qdrawutil.h>

namespace tintabel {

namespace {

constexpr int kTitleLeft = 8;
constexpr int kTitlePadding = 2;

} // namespace

GroupFrame::GroupFrame(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
{
}

void GroupFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect frame = rect().adjusted(0, metrics.height() / 2, 0, 0);
    qDrawShadeRect(&painter, frame, palette(), true, 1);
    if (title().isEmpty())
        return;
    const QRect text(
        kTitleLeft, 0, metrics.horizontalAdvance(title()) + 2 * kTitlePadding, metrics.height());
    painter.fillRect(text, palette().window());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter, title());
}

} // namespace tintabel
