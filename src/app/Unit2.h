#pragma once

#include <QDialog>

namespace tintabel {

// The about window, shown modally from the main window's "About" button.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);
};

} // namespace tintabel
