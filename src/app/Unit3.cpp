#include "app/Unit3.h"

#include "app/InterfaceFont.h"

#include <QLabel>

namespace tintabel {

TForm3::TForm3(QWidget* parent)
    : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Help"));
    setFont(interfaceFont());
    setFixedSize(240, 124);

    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);
    setAutoFillBackground(true);

    tipText = new QLabel(
        QStringLiteral("The FM user data folder is the one that holds your \"skins\" folder. The "
                       "program finds it by itself from the settings of FM 2009; when it cannot, "
                       "choose it with \"Locate user data folder\". \"<<reset\" goes back "
                       "to the folder that was found."),
        this);
    tipText->setObjectName(QStringLiteral("tipText"));
    tipText->setGeometry(0, 0, 233, 117);
    tipText->setContentsMargins(12, 12, 12, 12);
    tipText->setWordWrap(true);
    tipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

} // namespace tintabel
