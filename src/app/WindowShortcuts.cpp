#include "app/WindowShortcuts.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace tintabel {

WindowShortcuts::WindowShortcuts(QWidget& window, const Buttons& buttons)
    : QObject(&window)
{
    const struct {
        QKeySequence keys;
        QAbstractButton& button;
    } shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), buttons.lsbt},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), buttons.savebt},
        {QKeySequence(Qt::CTRL | Qt::Key_S), buttons.sxmlbt},
        {QKeySequence(Qt::Key_F1), buttons.helpbt},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), buttons.exitbt},
    };
    for (const auto& [keys, button] : shortcuts) {
        // A shortcut belongs to the window it works in.
        auto* shortcut = new QShortcut(keys, &window);
        connect(shortcut, &QShortcut::activated, &button, [&button] {
            if (button.isEnabled())
                button.click();
        });
    }
}

} // namespace tintabel
