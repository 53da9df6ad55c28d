#include "app/Unit2.h"

namespace tintabel {

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Veldo Orb for FM 2009"));
    setFixedSize(250, 130);
    move(444, 493);
}

} // namespace tintabel
