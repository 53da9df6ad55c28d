#pragma once

#include <QObject>

class QAbstractButton;
class QWidget;

namespace tintabel {

// The main window's keyboard shortcuts. Each clicks its button, so it does what the button does
// and nothing while the button is disabled.
class WindowShortcuts : public QObject {
public:
    struct Buttons {
        QAbstractButton& lsbt; // Ctrl+O, "Load XML file"
        QAbstractButton& savebt; // Ctrl+Shift+S, "Save XML file as..."
        QAbstractButton& sxmlbt; // Ctrl+S, "Save to skin"
        QAbstractButton& helpbt; // F1
        QAbstractButton& exitbt; // Ctrl+Q
    };

    // Lives as long as the window.
    WindowShortcuts(QWidget& window, const Buttons& buttons);
};

} // namespace tintabel
