#include "editor/PreviewLayout.h"

#include "editor/PreviewSample.h"
#include "editor/PreviewSamples.h"
#include "platform/GeneralErrorBox.h"

#include <QMouseEvent>
#include <QWidget>

namespace tintabel {

PreviewLayout::PreviewLayout(QWidget& background, PreviewSamples& samples, MessageBoxes& messages)
    : m_background(background)
    , m_samples(samples)
    , m_messages(messages)
{
    m_background.installEventFilter(this);
    connect(&m_samples, &PreviewSamples::sampleMade, this,
        [this](std::size_t index, PreviewSample* sample) { attach(index, sample); });
}

void PreviewLayout::attach(std::size_t index, PreviewSample* sample)
{
    connect(sample, &PreviewSample::mouseDown, this,
        guarded(
            m_messages, [this, index](Qt::MouseButton, QPoint at) { sampleMouseDown(index, at); }));
    connect(sample, &PreviewSample::mouseMove, this,
        guarded(m_messages,
            [this, index](Qt::MouseButtons, QPoint at) { sampleMouseMove(index, at); }));
    connect(sample, &PreviewSample::mouseUp, this,
        guarded(m_messages, [this, index](Qt::MouseButton, QPoint) { sampleMouseUp(index); }));
}

bool PreviewLayout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_background) {
        showErrors(m_messages, [this, event] {
            switch (event->type()) {
            case QEvent::MouseButtonPress:
                Image1MouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
                break;
            case QEvent::MouseMove:
                Image1MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
                break;
            case QEvent::MouseButtonRelease:
                Image1MouseUp();
                break;
            default:
                break;
            }
        });
    }
    // The picture still sees its events and takes the press, so it keeps the mouse while held.
    return QObject::eventFilter(watched, event);
}

void PreviewLayout::Image1MouseDown(QPoint at)
{
    startDrag(at);
}

void PreviewLayout::Image1MouseMove(QPoint at)
{
    dragTo(m_background, at);
}

void PreviewLayout::Image1MouseUp()
{
    dragging = false;
}

void PreviewLayout::sampleMouseDown(std::size_t, QPoint at)
{
    startDrag(at);
}

void PreviewLayout::sampleMouseMove(std::size_t index, QPoint at)
{
    PreviewSample* sample = m_samples.sample(index);
    if (sample && dragTo(*sample, at))
        m_samples.setPosition(index, {sample->x(), sample->y()});
}

void PreviewLayout::sampleMouseUp(std::size_t)
{
    dragging = false;
}

void PreviewLayout::JvXPButton1Click()
{
    m_background.move(kBackgroundStart);
    m_samples.resetPositions();
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        if (PreviewSample* sample = m_samples.sample(index)) {
            const SamplePosition start = m_samples.position(index);
            sample->move(start.left, start.top);
        }
    }
}

void PreviewLayout::startDrag(QPoint at)
{
    dragging = true;
    dragStartX = at.x();
    dragStartY = at.y();
}

bool PreviewLayout::dragTo(QWidget& element, QPoint at)
{
    if (!dragging)
        return false;
    element.move(element.x() + at.x() - dragStartX, element.y() + at.y() - dragStartY);
    return true;
}

} // namespace tintabel
