#include "app/Unit3.h"

namespace tintabel {

TForm3::TForm3(QWidget* parent)
    : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Help"));
    setFixedSize(240, 124);
}

} // namespace tintabel
