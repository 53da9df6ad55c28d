#pragma once

#include <QPointer>

#include <functional>

class QDialog;

namespace tintabel {

// The about window and the help tip window as the main window's buttons show them. The program
// entry makes both after the main window and hands them over; until then the buttons do nothing.
class SecondaryWindows {
public:
    void attach(QDialog& about, QDialog& helpTip);

    void aboutbtClick();
    void help2btClick();

    // How a window is shown modally: the program waits in exec; tests open it and go on.
    std::function<void(QDialog&)> showModal;

private:
    void show(QDialog* window);

    QPointer<QDialog> m_about;
    QPointer<QDialog> m_helpTip;
};

} // namespace tintabel
