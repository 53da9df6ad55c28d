#include "app/ReadabilityTracker.h"

#include "app/ImageControl.h"
#include "app/ReadabilityWindow.h"
#include "app/SlotReadings.h"
#include "colours/SlotModel.h"
#include "editor/PreviewSample.h"
#include "editor/PreviewSamples.h"
#include "platform/GeneralErrorBox.h"

#include <QEvent>
#include <QShortcut>

namespace tintabel {

ReadabilityTracker::ReadabilityTracker(const Parts& parts)
    : m_parts(parts)
    , m_simulation(parts.preview)
{
    MessageBoxes& messages = parts.messages;
    parts.slotModel.subscribe([tracker = QPointer(this)](SlotModel::Change change, std::size_t) {
        if (tracker && (change == SlotModel::Change::Colour || change == SlotModel::Change::Alpha))
            tracker->refresh();
    });
    connect(&parts.Image1, &ImageControl::pictureChanged, this,
        guarded(messages, [this] { refresh(); }));
    parts.Image1.installEventFilter(this);
    for (std::size_t index = 0; index < kSlotCount; ++index)
        if (PreviewSample* sample = parts.preview.sample(index))
            sample->installEventFilter(this);
    connect(&parts.preview, &PreviewSamples::sampleMade, this,
        [this](std::size_t, PreviewSample* sample) { sample->installEventFilter(this); });

    connect(new QShortcut(QKeySequence(Qt::Key_F3), &parts.window), &QShortcut::activated, this,
        guarded(messages, [this] { readbtClick(); }));
    // Queued, so that the flag's own handler has switched the language first.
    for (ImageControl* flag : {&parts.engimg, &parts.polimg})
        connect(flag, &ImageControl::clicked, this,
            guarded(messages,
                [this] {
                    if (m_window)
                        m_window->retranslate(m_parts.texts);
                }),
            Qt::QueuedConnection);
}

ReadabilityWindow& ReadabilityTracker::window()
{
    if (m_window)
        return *m_window;
    m_window = new ReadabilityWindow(m_parts.messages, &m_parts.window);
    MessageBoxes& messages = m_parts.messages;
    connect(
        m_window, &ReadabilityWindow::visionChanged, this, guarded(messages, [this](Vision vision) {
            if (m_window->isVisible())
                m_simulation.setVision(vision);
        }));
    connect(m_window, &ReadabilityWindow::openChanged, this, guarded(messages, [this](bool open) {
        m_simulation.setVision(open ? m_window->vision() : Vision::normal);
        refresh();
    }));
    return *m_window;
}

void ReadabilityTracker::readbtClick()
{
    ReadabilityWindow& readability = window();
    readability.retranslate(m_parts.texts);
    readability.show();
    readability.raise();
    readability.activateWindow();
}

bool ReadabilityTracker::eventFilter(QObject* watched, QEvent* event)
{
    // The background and the samples are watched; each move may change what lies beneath one.
    if (event->type() == QEvent::Move)
        showErrors(m_parts.messages, [this] { refresh(); });
    return QObject::eventFilter(watched, event);
}

void ReadabilityTracker::refresh()
{
    if (!m_window || !m_window->isVisible())
        return;
    const QImage& picture = m_parts.Image1.picture();
    const QColor face = m_parts.GroupBox1.palette().color(QPalette::Window);
    const ColourValue groupFace = makeColour(face.red(), face.green(), face.blue());
    const QPoint pictureAt = m_parts.Image1.pos();
    const auto readings = slotReadings(m_parts.slotModel, [&](std::size_t index) {
        return beneathSample(picture, pictureAt, samplePlace(index), groupFace);
    });
    m_window->showFigures(computeReadability(readings), picture, groupFace);
}

QPoint ReadabilityTracker::samplePlace(std::size_t index) const
{
    if (const PreviewSample* sample = m_parts.preview.sample(index))
        return sample->pos();
    const SamplePosition position = m_parts.preview.position(index);
    return {position.left, position.top};
}

} // namespace tintabel
