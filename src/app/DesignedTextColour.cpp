#include "app/DesignedTextColour.h"

#include "readability/Contrast.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace tintabel {

namespace {

ColourValue valueOf(const QColor& colour)
{
    return makeColour(colour.red(), colour.green(), colour.blue());
}

double contrast(const QColor& first, const QColor& second)
{
    return contrastRatio(valueOf(first), valueOf(second));
}

QColor mixed(const QColor& from, const QColor& to, double share)
{
    const auto channel = [share](int a, int b) { return qRound(a + (b - a) * share); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
        channel(from.blue(), to.blue()));
}

} // namespace

DesignedTextColour::DesignedTextColour(
    QWidget& control, QColor designed, QPalette::ColorRole text, QPalette::ColorRole background)
    : QObject(&control)
    , m_control(control)
    , m_designed(designed)
    , m_text(text)
    , m_background(background)
{
    control.installEventFilter(this);
}

void DesignedTextColour::apply(
    QWidget& control, QColor designed, QPalette::ColorRole text, QPalette::ColorRole background)
{
    auto* keeper = control.findChild<DesignedTextColour*>(QString(), Qt::FindDirectChildrenOnly);
    if (!keeper)
        keeper = new DesignedTextColour(control, designed, text, background);
    keeper->m_designed = designed;
    keeper->m_text = text;
    keeper->m_background = background;
    keeper->update();
}

QColor DesignedTextColour::readable(QColor designed, QColor background, QColor paletteText)
{
    if (contrast(designed, background) >= kMinimumContrast)
        return designed;
    if (designed == QColor(Qt::black))
        return paletteText;
    constexpr int kSteps = 16;
    for (int step = 1; step < kSteps; ++step) {
        const QColor nearer = mixed(designed, paletteText, step / double(kSteps));
        if (contrast(nearer, background) >= kMinimumContrast)
            return nearer;
    }
    return paletteText;
}

void DesignedTextColour::update()
{
    QPalette colours = m_control.palette();
    const QColor shown = readable(
        m_designed, colours.color(m_background), QApplication::palette(&m_control).color(m_text));
    if (colours.color(m_text) == shown && colours.isBrushSet(QPalette::Active, m_text))
        return;
    colours.setColor(m_text, shown);
    m_control.setPalette(colours);
}

bool DesignedTextColour::eventFilter(QObject* watched, QEvent* event)
{
    // Setting the colour changes the palette too; update() leaves an unchanged colour alone.
    if (watched == &m_control && event->type() == QEvent::PaletteChange)
        update();
    return QObject::eventFilter(watched, event);
}

} // namespace tintabel
