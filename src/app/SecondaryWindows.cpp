#include "app/SecondaryWindows.h"

#include <QDialog>

namespace tintabel {

void SecondaryWindows::attach(QDialog& about, QDialog& helpTip)
{
    m_about = &about;
    m_helpTip = &helpTip;
}

void SecondaryWindows::aboutbtClick()
{
    show(m_about);
}

void SecondaryWindows::help2btClick()
{
    show(m_helpTip);
}

void SecondaryWindows::show(QDialog* window)
{
    if (!window)
        return;
    if (showModal)
        showModal(*window);
    else
        window->exec();
}

} // namespace tintabel
