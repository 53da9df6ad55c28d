#pragma once

#include <QDialog>

namespace tintabel {

// The small help tip window.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
};

} // namespace tintabel
