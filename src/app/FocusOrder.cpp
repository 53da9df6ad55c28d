#include "app/FocusOrder.h"

#include <QWidget>

#include <stdexcept>
#include <string>

namespace tintabel {

namespace {

constexpr const char* kOrder[] = {
    // "Load/Save XML"
    "lsbt", "savebt", "manrb", "skinrb", "lista1", "ListBox2", "sxmlbt",
    // "Colours manager"
    "re", "ge", "be", "alp", "plt", "hex", "larb", "narb", "garb", "earb", "sarb", "alrb", "salrb",
    "petrb", "JvXPButton1", "JvXPButton2", "sctbt", "loadbt",
    // "Options"
    "cbfm2009", "engimg", "polimg", "spbt", "resbt", "helpbt", "aboutbt", "exitbt"};

} // namespace

void applyFocusOrder(QWidget& window)
{
    QWidget* previous = nullptr;
    for (const char* name : kOrder) {
        auto* control = window.findChild<QWidget*>(QString::fromLatin1(name));
        if (!control)
            throw std::logic_error(std::string("the window has no ") + name);
        // The flags are pictures, which take no focus of their own.
        if (control->focusPolicy() == Qt::NoFocus)
            control->setFocusPolicy(Qt::StrongFocus);
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace tintabel
