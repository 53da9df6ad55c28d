#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;

namespace tintabel {

class MessageBoxes;

// Hands the key presses and releases of the number fields it is installed on to a page's key
// handlers; a handler that returns true discards the key. A press goes to the key-down handler
// and then, unless discarded, to the character handler.
class FieldKeyFilter : public QObject {
public:
    using KeyHandler = std::function<bool(const QKeyEvent&)>;

    FieldKeyFilter(MessageBoxes& messages, KeyHandler keyDown, KeyHandler keyPress,
        KeyHandler keyUp, QObject* parent);

    // Whether the key is the minus key of the numeric keypad, whatever character it types.
    static bool isKeypadMinus(const QKeyEvent& key);
    // Whether the key types a sign, which the fields never take.
    static bool typesSign(const QKeyEvent& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MessageBoxes& m_messages;
    KeyHandler m_keyDown;
    KeyHandler m_keyPress;
    KeyHandler m_keyUp;
};

} // namespace tintabel
