#pragma once

#include <QGroupBox>

namespace tintabel {

// A group box drawn with an etched frame and its title set into the top line, left-aligned;
// the window's fixed layout places the controls for that look.
class GroupFrame : public QGroupBox {
    Q_OBJECT

public:
    GroupFrame(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tintabel
