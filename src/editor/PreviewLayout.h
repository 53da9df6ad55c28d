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

    void sampleMouseDown(std::size_t index, QPoint at);
    void sampleMouseMove(std::size_t index, QPoint at);
    void sampleMouseUp(std::size_t index);

    void laeaMouseDown(QPoint at) { sampleMouseDown(0, at); }
    void laeaMouseMove(QPoint at) { sampleMouseMove(0, at); }
    void laeaMouseUp() { sampleMouseUp(0); }
    void naeaMouseDown(QPoint at) { sampleMouseDown(1, at); }
    void naeaMouseMove(QPoint at) { sampleMouseMove(1, at); }
    void naeaMouseUp() { sampleMouseUp(1); }
    void gaeaMouseDown(QPoint at) { sampleMouseDown(2, at); }
    void gaeaMouseMove(QPoint at) { sampleMouseMove(2, at); }
    void gaeaMouseUp() { sampleMouseUp(2); }
    void eaeaMouseDown(QPoint at) { sampleMouseDown(3, at); }
    void eaeaMouseMove(QPoint at) { sampleMouseMove(3, at); }
    void eaeaMouseUp() { sampleMouseUp(3); }
    void saeaMouseDown(QPoint at) { sampleMouseDown(4, at); }
    void saeaMouseMove(QPoint at) { sampleMouseMove(4, at); }
    void saeaMouseUp() { sampleMouseUp(4); }
    void aleaMouseDown(QPoint at) { sampleMouseDown(5, at); }
    void aleaMouseMove(QPoint at) { sampleMouseMove(5, at); }
    void aleaMouseUp() { sampleMouseUp(5); }
    void saleaMouseDown(QPoint at) { sampleMouseDown(6, at); }
    void saleaMouseMove(QPoint at) { sampleMouseMove(6, at); }
    void saleaMouseUp() { sampleMouseUp(6); }
    void peteaMouseDown(QPoint at) { sampleMouseDown(7, at); }
    void peteaMouseMove(QPoint at) { sampleMouseMove(7, at); }
    void peteaMouseUp() { sampleMouseUp(7); }

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
