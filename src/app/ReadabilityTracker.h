#pragma once

#include "app/PreviewSimulation.h"
#include "app/ReadabilityWindow.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <cstddef>

class QWidget;

namespace tintabel {

class ImageControl;
class MessageBoxes;
class PreviewSamples;
class SlotModel;
struct InterfaceTexts;

// Keeps the "Readability" window in step with the preview. "Readability" and F3 open it; while it
// is open it gets fresh figures at once on every change of a slot's colour or alpha, every move
// of a sample or of the background and every new background, and the vision it simulates is
// simulated on the preview samples too, until it closes.
class ReadabilityTracker : public QObject {
public:
    struct Parts {
        SlotModel& slotModel;
        PreviewSamples& preview;
        const InterfaceTexts& texts;
        MessageBoxes& messages;
        QWidget& window; // the main window, the Readability window's parent
        QWidget& GroupBox1;
        ImageControl& Image1;
        ImageControl& engimg;
        ImageControl& polimg;
    };

    explicit ReadabilityTracker(const Parts& parts);

    // Opens the window in the language in force, or brings it to the front. The window is made at
    // its first opening.
    void readbtClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ReadabilityWindow& window();
    void refresh();
    QPoint samplePlace(std::size_t index) const;

    Parts m_parts;
    QPointer<ReadabilityWindow> m_window;
    PreviewSimulation m_simulation;
};

} // namespace tintabel
