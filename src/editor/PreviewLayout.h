#pragma once

#include <QObject>
#include <QPoint>

#include <cstddef>

class QWidget;

namespace tintabel {

class MessageBoxes;
class PreviewSample;
class PreviewSamples;

// The arrangement of the preview: the background picture and each sample are dragged with any
// mouse button, each on its own and without bounds (an element dragged out of sight comes back
// with "Reset positions"). A dragged sample's place is kept as its position among the samples,
// where its rebuilds put it. One drag state serves all nine elements: the pressed element keeps the
// mouse until the button is released, so only one of them is ever dragged.
class PreviewLayout : public QObject {
    Q_OBJECT

public:
    static constexpr QPoint kBackgroundStart {8, 88};

    PreviewLayout(QWidget& background, PreviewSamples& samples, MessageBoxes& messages);

    // Positions are in the pressed element's own coordinates.
    void Image1MouseDown(QPoint at);
    void Image1MouseMove(QPoint at);
    void Image1MouseUp();

    // One handler per event serves the eight samples (laeaMouseDown ... peteaMouseUp), indexed in
    // slot order; the samples carry their names from the slot table.
    void sampleMouseDown(std::size_t index, QPoint at);
    void sampleMouseMove(std::size_t index, QPoint at);
    void sampleMouseUp(std::size_t index);

    // "Reset positions": the background and every sample back at their start places, the places
    // of samples not yet made too. Nothing is shown.
    void JvXPButton1Click();

    bool dragging = false;
    int dragStartX = 0;
    int dragStartY = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attach(std::size_t index, PreviewSample* sample);
    void startDrag(QPoint at);
    // Moves the element so that the grabbed point lies under the pointer again.
    bool dragTo(QWidget& element, QPoint at);

    QWidget& m_background;
    PreviewSamples& m_samples;
    MessageBoxes& m_messages;
};

} // namespace tintabel
