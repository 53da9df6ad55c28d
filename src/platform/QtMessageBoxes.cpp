#include "platform/QtMessageBoxes.h"

#include <QGuiApplication>
#include <QString>

namespace tintabel {

QtMessageBoxes::QtMessageBoxes(QWidget* parent)
    : m_parent(parent)
{
}

std::unique_ptr<QMessageBox> QtMessageBoxes::makeBox(QMessageBox::Icon icon, std::string_view title,
    std::string_view text, QMessageBox::StandardButtons buttons, QWidget* parent)
{
    QString message = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // The texts break lines the Windows way, some with a carriage return alone.
    message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    message.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString caption = title.empty()
        ? QGuiApplication::applicationDisplayName()
        : QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));

    auto box = std::make_unique<QMessageBox>(icon, caption, message, buttons, parent);
    // Error texts quote file contents ("<colour name=...>"), which must not be read as markup.
    box->setTextFormat(Qt::PlainText);
    if (buttons.testFlag(QMessageBox::Yes))
        box->setDefaultButton(QMessageBox::Yes);
    return box;
}

void QtMessageBoxes::error(std::string_view text)
{
    makeBox(QMessageBox::Critical, {}, text, QMessageBox::Ok, m_parent)->exec();
}

void QtMessageBoxes::information(std::string_view text)
{
    makeBox(QMessageBox::Information, {}, text, QMessageBox::Ok, m_parent)->exec();
}

bool QtMessageBoxes::warningYesNo(std::string_view title, std::string_view text)
{
    const auto box
        = makeBox(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    return box->exec() == QMessageBox::Yes;
}

} // namespace tintabel
