#pragma once

#include "platform/MessageBoxes.h"

#include <QMessageBox>

#include <memory>

class QWidget;

namespace tintabel {

// Qt's message boxes. Error and information boxes carry the application's name as their title.
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr);

    void error(std::string_view text) override;
    void information(std::string_view text) override;
    bool warningYesNo(std::string_view title, std::string_view text) override;

    // The box each question shows, set up but not yet shown. An empty title stands for the
    // application's name.
    static std::unique_ptr<QMessageBox> makeBox(QMessageBox::Icon icon, std::string_view title,
        std::string_view text, QMessageBox::StandardButtons buttons, QWidget* parent);

private:
    QWidget* m_parent;
};

} // namespace tintabel
