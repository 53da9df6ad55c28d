#include "editor/ColourSwatch.h"

#include <QColor>
#include <QPainter>
#include <qdrawutil.h>

#include <utility>

namespace tintabel {

ColourSwatch::ColourSwatch(QWidget* parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
    setEnabled(false);
    setFocusPolicy(Qt::NoFocus);
}

ColourValue ColourSwatch::colour() const
{
    return m_source ? m_source() & 0xFFFFFF : m_colour;
}

void ColourSwatch::setColour(ColourValue colour)
{
    m_source = nullptr;
    m_colour = colour & 0xFFFFFF;
    update();
}

void ColourSwatch::showColourOf(std::function<ColourValue()> source)
{
    m_source = std::move(source);
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*)
{
    const ColourValue value = colour();
    QPainter painter(this);
    painter.fillRect(rect(), QColor(redOf(value), greenOf(value), blueOf(value)));
    qDrawWinPanel(&painter, rect(), palette(), true);
}

} // namespace tintabel
