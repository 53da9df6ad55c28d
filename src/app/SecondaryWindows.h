#pragma once

#include <functional>

class QDialog;

namespace tintabel {

// The about window and the help tip window as the main window's buttons show them. The program
// entry hands over how to get each, which makes it at its first opening; until then the buttons do
// nothing.
class SecondaryWindows {
public:
    using Window = std::function<QDialog&()>;
    void attach(Window about, Window helpTip);

    void aboutbtClick();
    void help2btClick();

    // How a window is shown modally: the program waits in exec; tests open it and go on.
    std::function<void(QDialog&)> showModal;

private:
    void show(const Window& window);

    Window m_about;
    Window m_helpTip;
};

} // namespace tintabel
