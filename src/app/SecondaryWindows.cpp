#include "app/SecondaryWindows.h"

#include <QDialog>

namespace tintabel {

void SecondaryWindows::attach(Window about, Window helpTip)
{
    m_about = std::move(about);
    m_helpTip = std::move(helpTip);
}

void SecondaryWindows::aboutbtClick()
{
    show(m_about);
}

void SecondaryWindows::help2btClick()
{
    show(m_helpTip);
}

void SecondaryWindows::show(const Window& window)
{
    if (!window)
        return;
    QDialog& shown = window();
    if (showModal)
        showModal(shown);
    else
        shown.exec();
}

} // namespace tintabel
