#pragma once

#include <QListWidget>

namespace tintabel {

// A list whose line is chosen as in a list box of the design: by a click, or by moving the
// selection with the keys (arrows, Page Up and Down, Home, End, Space), each change once.
class ListBox : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr);

signals:
    void chosen(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int selectedRow() const;
};

} // namespace tintabel
