#pragma once

#include <QDialog>

class QLabel;

namespace tintabel {

// The small help tip window: one short text on the tooltip colour. Only a hidden button of the
// main window shows it.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);

    QLabel* tipText;
};

} // namespace tintabel
