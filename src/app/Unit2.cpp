#include "app/Unit2.h"

#include "app/BuildSettings.h"
#include "app/InterfaceFont.h"
#include "app/Version.h"
#include "platform/GeneralErrorBox.h"
#include "platform/Services.h"
#include "platform/Shell.h"

#include <QLabel>
#include <QPushButton>

namespace tintabel {

namespace {

constexpr int kWidth = 250;

QLabel* centredLine(
    QWidget* parent, const char* name, const QString& text, int top, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(0, top, kWidth, label->sizeHint().height());
    return label;
}

} // namespace

TForm2::TForm2(Services& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_services(services)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Veldo Orb for FM 2009"));
    setFont(interfaceFont());
    setFixedSize(kWidth, 130);
    move(444, 493);

    QFont heading = font();
    heading.setPixelSize(16);
    heading.setBold(true);
    heading.setUnderline(true);
    titleLabel
        = centredLine(this, "titleLabel", QString::fromLatin1(version::kAboutTitle), 12, heading);
    creditsLabel = centredLine(this, "creditsLabel",
        QStringLiteral("Made by Veldo for the skinners of FM 2009"), 44, font());

    const QString site = QString::fromStdString(siteAddress()).toHtmlEscaped();
    siteLink = centredLine(
        this, "siteLink", QStringLiteral("<a href=\"%1\">%1</a>").arg(site), 62, font());
    siteLink->setTextFormat(Qt::RichText);
    siteLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    siteLink->setCursor(Qt::PointingHandCursor);
    connect(siteLink, &QLabel::linkActivated, this,
        guarded(services.messages, [this](const QString&) { siteLinkClick(); }));

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(80, 88, 75, 25);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm2::siteLinkClick()
{
    m_services.shell.open(siteAddress(), ShowWindow::Maximised);
}

} // namespace tintabel
