#pragma once

#include <QObject>

class QContextMenuEvent;
class QDropEvent;
class QKeyEvent;
class QLineEdit;
class QString;

namespace tintabel {

// The key filters of the channel editors. Each typed character is judged before the editor takes
// it: digits and Backspace pass (and A-F, a-f in hex); any other character, also every one from
// code 128 up, makes the editor read-only before it is handled, so the editor ignores it, and
// also Delete, cut and paste, until the next character that passes makes it writable again.
// Typing stops at 3 characters (6 in hex); texts written from code are never cut.
//
// Text that enters other than by typing obeys the same filter and limit: a paste from the context
// menu or by a paste key that types no character (Shift+Insert; Ctrl+V types code 22, which is
// refused), a drop, and the X selection pasted with the middle button.
class EditorKeyFilter : public QObject {
public:
    EditorKeyFilter(QLineEdit& re, QLineEdit& ge, QLineEdit& be, QLineEdit& hex, QLineEdit& alp);

    // True when the key press is to be dropped.
    bool reKeyPress(const QKeyEvent& event);
    bool geKeyPress(const QKeyEvent& event);
    bool beKeyPress(const QKeyEvent& event);
    bool hexKeyPress(const QKeyEvent& event);
    bool alpKeyPress(const QKeyEvent& event);

    // Enters text as if its characters were typed one after another: the refused ones stay out
    // (a refused last one leaves the editor read-only, as typing it would), the rest is cut to
    // the room the length leaves and inserted at once, so the change rule runs as for typing. A
    // read-only editor takes nothing.
    void enter(QLineEdit& editor, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool typed(QLineEdit& editor, const QString& characters);
    QLineEdit* editorOf(QObject* watched) const;
    bool keyPress(QLineEdit& editor, const QKeyEvent& event);
    // The editor's own menu, whose paste enters through the filter.
    void showMenu(QLineEdit& editor, const QContextMenuEvent& event);
    bool drop(QLineEdit& editor, QDropEvent& event);

    QLineEdit& m_re;
    QLineEdit& m_ge;
    QLineEdit& m_be;
    QLineEdit& m_hex;
    QLineEdit& m_alp;
};

} // namespace tintabel
