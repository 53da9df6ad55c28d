#include "app/ListBox.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace tintabel {

ListBox::ListBox(QWidget* parent)
    : QListWidget(parent)
{
    connect(this, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { emit chosen(row(item)); });
}

int ListBox::selectedRow() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    const int before = selectedRow();
    QListWidget::keyPressEvent(event);
    const int after = selectedRow();
    if (after >= 0 && after != before)
        emit chosen(after);
}

// The toolkit makes the first line current, unselected, when the keys bring the focus to a list
// without a selection, and the first arrow key would then pass it by; in a list box of the
// design it selects the first line.
void ListBox::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    if (selectedRow() < 0)
        setCurrentRow(-1, QItemSelectionModel::NoUpdate);
}

} // namespace tintabel
