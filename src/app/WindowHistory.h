#pragma once

#include "colours/EditHistory.h"

#include <QObject>

#include <array>
#include <optional>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace tintabel {

class MessageBoxes;
class SchemeLoadPath;
class SlotModel;

// Undo (Ctrl+Z) and redo (Ctrl+Shift+Z, Ctrl+Y) of the slots' colours and alphas in the main
// window, also while an editor has the focus: the editors' own text undo never gets these keys.
//
// Whatever changes the slots, the changes one user action makes form one step: each key press,
// click or drop in the window first closes the step of the action before, and undo and redo close
// it too. Keystrokes that follow each other in one editor on one slot grow a single step. Going
// back or forth puts the slots' values back by the way a scheme load takes (SchemeLoadPath), so
// that the editors, the swatch, the samples and the working file follow, and selects the slot
// that was selected then. Loading or unloading a colour document (the slots' availability
// changes) starts a fresh history.
class WindowHistory : public QObject {
public:
    WindowHistory(QWidget& window, SlotModel& slotModel, const std::array<QLineEdit*, 5>& editors,
        SchemeLoadPath& loadPath, MessageBoxes& messages);

    void undo();
    void redo();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Closes the step under way, which the changes since the last input made.
    void settle();
    void restore(const std::optional<SlotsSnapshot>& target);
    std::optional<std::size_t> editorIndex(const QObject* object) const;

    QWidget& m_window;
    SlotModel& m_slots;
    std::array<QLineEdit*, 5> m_editors;
    SchemeLoadPath& m_loadPath;
    EditHistory m_history;
    SlotsSnapshot m_settled; // the slots when the last step closed
    EditHistory::Run m_run; // of the input under way
    bool m_changed = false;
    bool m_fresh = false;
    bool m_restoring = false;
};

} // namespace tintabel
