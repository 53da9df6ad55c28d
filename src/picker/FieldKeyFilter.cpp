#include "picker/FieldKeyFilter.h"

#include "platform/GeneralErrorBox.h"

#include <QKeyEvent>

namespace tintabel {

FieldKeyFilter::FieldKeyFilter(MessageBoxes& messages, KeyHandler keyDown, KeyHandler keyPress,
    KeyHandler keyUp, QObject* parent)
    : QObject(parent)
    , m_messages(messages)
    , m_keyDown(std::move(keyDown))
    , m_keyPress(std::move(keyPress))
    , m_keyUp(std::move(keyUp))
{
}

bool FieldKeyFilter::isKeypadMinus(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Minus && key.modifiers().testFlag(Qt::KeypadModifier);
}

bool FieldKeyFilter::typesSign(const QKeyEvent& key)
{
    return key.text() == QLatin1String("-") || key.text() == QLatin1String("+");
}

bool FieldKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    bool discard = false;
    showErrors(m_messages, [&] {
        if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            discard = m_keyDown(key) || m_keyPress(key);
        } else if (event->type() == QEvent::KeyRelease) {
            discard = m_keyUp(static_cast<const QKeyEvent&>(*event));
        }
    });
    return discard || QObject::eventFilter(watched, event);
}

} // namespace tintabel
