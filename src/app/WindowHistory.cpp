#include "app/WindowHistory.h"

#include "app/SchemeLoadPath.h"
#include "colours/IntegerText.h"
#include "colours/SlotModel.h"
#include "colours/SlotScheme.h"
#include "platform/GeneralErrorBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>

namespace tintabel {

namespace {

const QKeyCombination kUndo(Qt::CTRL | Qt::Key_Z);
const QKeyCombination kRedo[] = {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y};

bool isHistoryKey(const QKeyEvent& event)
{
    const QKeyCombination pressed = event.keyCombination();
    return pressed == kUndo || pressed == kRedo[0] || pressed == kRedo[1];
}

} // namespace

WindowHistory::WindowHistory(QWidget& window, SlotModel& slotModel,
    const std::array<QLineEdit*, 5>& editors, SchemeLoadPath& loadPath, MessageBoxes& messages)
    : m_window(window)
    , m_slots(slotModel)
    , m_editors(editors)
    , m_loadPath(loadPath)
    , m_settled(SlotsSnapshot::of(slotModel))
{
    slotModel.subscribe([this](SlotModel::Change change, std::size_t) {
        if (m_restoring)
            return;
        if (change == SlotModel::Change::Availability)
            m_fresh = true;
        else if (change != SlotModel::Change::Selection)
            m_changed = true;
    });
    const auto onKeys = [&](QKeyCombination keys, void (WindowHistory::*action)()) {
        connect(new QShortcut(QKeySequence(keys), &window), &QShortcut::activated, this,
            guarded(messages, [this, action] { (this->*action)(); }));
    };
    onKeys(kUndo, &WindowHistory::undo);
    for (QKeyCombination keys : kRedo)
        onKeys(keys, &WindowHistory::redo);
    // Input reaches the window's controls through the application's filters first.
    qApp->installEventFilter(this);
}

void WindowHistory::undo()
{
    settle();
    restore(m_history.undo());
}

void WindowHistory::redo()
{
    settle();
    restore(m_history.redo());
}

void WindowHistory::settle()
{
    const SlotsSnapshot now = SlotsSnapshot::of(m_slots);
    if (m_fresh)
        m_history.clear();
    else if (m_changed && now.bySlot != m_settled.bySlot)
        m_history.record(m_settled, now, m_run);
    m_fresh = m_changed = false;
    m_settled = now;
}

void WindowHistory::restore(const std::optional<SlotsSnapshot>& target)
{
    if (!target)
        return;
    SlotScheme differences;
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        const SlotsSnapshot::Slot& slot = target->bySlot[index];
        if (slot != m_settled.bySlot[index])
            differences.bySlot[index] = {slot.colour, integerFromText(slot.alpha)};
    }
    m_restoring = true;
    try {
        m_loadPath.put(differences, target->selected);
    } catch (...) {
        m_restoring = false;
        throw;
    }
    m_restoring = false;
    m_settled = SlotsSnapshot::of(m_slots);
}

std::optional<std::size_t> WindowHistory::editorIndex(const QObject* object) const
{
    for (std::size_t index = 0; index < m_editors.size(); ++index) {
        if (m_editors[index] == object)
            return index;
    }
    return std::nullopt;
}

bool WindowHistory::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride) {
        // Not taken by the editor, the key goes on to the window's shortcuts.
        if (editorIndex(watched) && isHistoryKey(*static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        return false;
    }
    const bool typing = type == QEvent::KeyPress || type == QEvent::InputMethod;
    if (!typing && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
        && type != QEvent::Drop)
        return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || widget->window() != &m_window)
        return false;
    settle();
    const std::optional<std::size_t> editor = editorIndex(watched);
    m_run.reset();
    if (typing && editor)
        m_run = static_cast<int>(*editor * kSlotCount + m_slots.selected());
    return false;
}

} // namespace tintabel
