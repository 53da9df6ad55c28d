#pragma once

#include <QObject>

class QKeyEvent;
class QLineEdit;
class QString;

namespace tintabel {

// The key filters of the channel editors. Each typed character is judged before the editor takes
// it: digits and Backspace pass (and A-F, a-f in hex); any other character, also every one from
// code 128 up, makes the editor read-only before it is handled, so the editor ignores it, and
// also Delete, cut and paste, until the next character that passes makes it writable again.
// Typing stops at 3 characters (6 in hex); texts written from code are never cut.
class EditorKeyFilter : public QObject {
public:
    EditorKeyFilter(QLineEdit& re, QLineEdit& ge, QLineEdit& be, QLineEdit& hex, QLineEdit& alp);

    // True when the key press is to be dropped.
    bool reKeyPress(const QKeyEvent& event);
    bool geKeyPress(const QKeyEvent& event);
    bool beKeyPress(const QKeyEvent& event);
    bool hexKeyPress(const QKeyEvent& event);
    bool alpKeyPress(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool typed(QLineEdit& editor, const QString& characters);

    QLineEdit& m_re;
    QLineEdit& m_ge;
    QLineEdit& m_be;
    QLineEdit& m_hex;
    QLineEdit& m_alp;
};

} // namespace tintabel
