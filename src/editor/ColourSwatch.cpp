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

std::uint32_t ColourSwatch::colour() const
{
    return m_source ? m_source() & 0xFFFFFF : m_colour;
}

void ColourSwatch::setColour(std::uint32_t colour)
{
    m_source = nullptr;
    m_colour = colour & 0xFFFFFF;
    update();
}

void ColourSwatch::showColourOf(std::function<std::uint32_t()> source)
{
    m_source = std::move(source);
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*)
{
    const std::uint32_t value = colour();
    QPainter painter(this);
    painter.fillRect(rect(), QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF));
    qDrawWinPanel(&painter, rect(), palette(), true);
}

} // namespace tintabel
