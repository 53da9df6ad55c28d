#include "editor/EditorKeyFilter.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

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

qsizetype lengthLimit(bool hexadecimal)
{
    return hexadecimal ? kHexLength : kChannelLength;
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
    const qsizetype maximumLength = lengthLimit(hexadecimal);
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

void EditorKeyFilter::enter(QLineEdit& editor, const QString& text)
{
    if (editor.isReadOnly())
        return;
    const bool hexadecimal = &editor == &m_hex;
    QString passing;
    bool lastRefused = false;
    for (const QChar character : text) {
        // A pasted Backspace deletes nothing: it is no character of the text.
        lastRefused = character == QChar(kBackspace) || !passes(character, hexadecimal);
        if (!lastRefused)
            passing += character;
    }
    const qsizetype kept = editor.text().size() - editor.selectedText().size();
    passing.truncate(std::max<qsizetype>(lengthLimit(hexadecimal) - kept, 0));
    // Inserting nothing would still delete the selection, which typing nothing does not.
    if (!passing.isEmpty())
        editor.insert(passing);
    if (lastRefused)
        editor.setReadOnly(true);
}

QLineEdit* EditorKeyFilter::editorOf(QObject* watched) const
{
    for (QLineEdit* editor : {&m_re, &m_ge, &m_be, &m_hex, &m_alp}) {
        if (watched == editor)
            return editor;
    }
    return nullptr;
}

bool EditorKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    QLineEdit* editor = editorOf(watched);
    if (!editor)
        return false;
    switch (event->type()) {
    case QEvent::InputMethod:
        // Characters composed by an input method arrive without a key press; the editor would take
        // a refused one, so it is kept from it here.
        return typed(*editor, static_cast<QInputMethodEvent*>(event)->commitString())
            || editor->isReadOnly();
    case QEvent::KeyPress:
        return keyPress(*editor, *static_cast<QKeyEvent*>(event));
    case QEvent::ContextMenu:
        showMenu(*editor, *static_cast<QContextMenuEvent*>(event));
        return true;
    case QEvent::Drop:
        return drop(*editor, *static_cast<QDropEvent*>(event));
    case QEvent::MouseButtonRelease: {
        QClipboard& clipboard = *QGuiApplication::clipboard();
        if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton
            || !clipboard.supportsSelection() || editor->isReadOnly())
            return false;
        editor->deselect();
        enter(*editor, clipboard.text(QClipboard::Selection));
        return true;
    }
    default:
        return false;
    }
}

bool EditorKeyFilter::keyPress(QLineEdit& editor, const QKeyEvent& event)
{
    bool dropped = false;
    if (&editor == &m_re)
        dropped = reKeyPress(event);
    else if (&editor == &m_ge)
        dropped = geKeyPress(event);
    else if (&editor == &m_be)
        dropped = beKeyPress(event);
    else if (&editor == &m_hex)
        dropped = hexKeyPress(event);
    else
        dropped = alpKeyPress(event);
    if (!event.matches(QKeySequence::Paste))
        return dropped;
    enter(editor, QGuiApplication::clipboard()->text());
    return true;
}

void EditorKeyFilter::showMenu(QLineEdit& editor, const QContextMenuEvent& event)
{
    QMenu* menu = editor.createStandardContextMenu();
    // The paste item is known by what it runs, as its caption is translated; Qt connects it by
    // name.
    for (QAction* action : menu->actions()) {
        if (disconnect(action, SIGNAL(triggered()), &editor, SLOT(paste()))
            || disconnect(action, &QAction::triggered, &editor, &QLineEdit::paste)) {
            connect(action, &QAction::triggered, this,
                [this, &editor] { enter(editor, QGuiApplication::clipboard()->text()); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event.globalPos());
}

bool EditorKeyFilter::drop(QLineEdit& editor, QDropEvent& event)
{
    // What the editor refuses anyway it refuses as it does.
    if (editor.isReadOnly() || !event.mimeData()->hasText())
        return false;
    editor.setCursorPosition(editor.cursorPositionAt(event.position().toPoint()));
    enter(editor, event.mimeData()->text());
    event.acceptProposedAction();
    return true;
}

} // namespace tintabel
