#include "editor/EditorKeyFilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace tintabel {

namespace {

constexpr qsizetype kChannelLength = 3;
constexpr qsizetype kHexLength = 6;
constexpr char16_t kBackspace = 8;

// The characters a key press types, as the editors judge them; empty for keys that type none.
// Control with a letter types the control code (Ctrl+V is code 22), whatever text the platform
// attaches; Delete, Tab and Control with anything else type nothing.
QString charactersOf(const QKeyEvent& event)
{
    const int key = event.key();
    if (key == Qt::Key_Delete || key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return {};
    if (event.modifiers() & Qt::ControlModifier) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return QString(QChar(static_cast<char16_t>(key - Qt::Key_A + 1)));
        return {};
    }
    return event.text();
}

bool passes(QChar character, bool hexadecimal)
{
    const char16_t code = character.unicode();
    if (code == kBackspace || (code >= u'0' && code <= u'9'))
        return true;
    return hexadecimal && ((code >= u'A' && code <= u'F') || (code >= u'a' && code <= u'f'));
}

} // namespace

EditorKeyFilter::EditorKeyFilter(
    QLineEdit& re, QLineEdit& ge, QLineEdit& be, QLineEdit& hex, QLineEdit& alp)
    : m_re(re)
    , m_ge(ge)
    , m_be(be)
    , m_hex(hex)
    , m_alp(alp)
{
    for (QLineEdit* editor : {&m_re, &m_ge, &m_be, &m_hex, &m_alp})
        editor->installEventFilter(this);
}

bool EditorKeyFilter::reKeyPress(const QKeyEvent& event)
{
    return typed(m_re, charactersOf(event));
}

bool EditorKeyFilter::geKeyPress(const QKeyEvent& event)
{
    return typed(m_ge, charactersOf(event));
}

bool EditorKeyFilter::beKeyPress(const QKeyEvent& event)
{
    return typed(m_be, charactersOf(event));
}

bool EditorKeyFilter::hexKeyPress(const QKeyEvent& event)
{
    return typed(m_hex, charactersOf(event));
}

bool EditorKeyFilter::alpKeyPress(const QKeyEvent& event)
{
    return typed(m_alp, charactersOf(event));
}

bool EditorKeyFilter::typed(QLineEdit& editor, const QString& characters)
{
    if (characters.isEmpty())
        return false;
    const bool hexadecimal = &editor == &m_hex;
    const qsizetype maximumLength = hexadecimal ? kHexLength : kChannelLength;
    if (!std::all_of(characters.begin(), characters.end(),
            [hexadecimal](QChar character) { return passes(character, hexadecimal); })) {
        editor.setReadOnly(true);
        return false;
    }
    editor.setReadOnly(false);
    const qsizetype inserted = characters.size() - characters.count(QChar(kBackspace));
    return inserted > 0
        && editor.text().size() - editor.selectedText().size() + inserted > maximumLength;
}

bool EditorKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    // Characters composed by an input method arrive without a key press; the editor would take a
    // refused one, so it is kept from it here.
    if (event->type() == QEvent::InputMethod) {
        auto* editor = qobject_cast<QLineEdit*>(watched);
        return editor
            && (typed(*editor, static_cast<QInputMethodEvent*>(event)->commitString())
                || editor->isReadOnly());
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (watched == &m_re)
        return reKeyPress(key);
    if (watched == &m_ge)
        return geKeyPress(key);
    if (watched == &m_be)
        return beKeyPress(key);
    if (watched == &m_hex)
        return hexKeyPress(key);
    if (watched == &m_alp)
        return alpKeyPress(key);
    return false;
}

} // namespace tintabel
