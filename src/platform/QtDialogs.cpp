#include "platform/QtDialogs.h"

#include <QDir>
#include <QObject>
#include <QString>

#include <algorithm>

namespace tintabel {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The extension of a Qt name filter's first pattern: "gpl" for "GIMP palette (*.gpl *.txt)",
// nothing for a pattern such as "*".
QString firstExtension(const QString& nameFilter)
{
    const QString first
        = nameFilter.section(QLatin1Char('('), -1).chopped(1).section(QLatin1Char(' '), 0, 0);
    const bool plain = first.startsWith(QLatin1String("*.")) && first.count(QLatin1Char('*')) == 1
        && !first.contains(QLatin1Char('?'));
    return plain ? first.mid(2) : QString();
}

} // namespace

QStringList qtNameFilters(std::string_view filter)
{
    QStringList filters;
    if (filter.empty())
        return filters;
    const QStringList parts = fromUtf8(filter).split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        // A description without its patterns lets every file through.
        const QString patterns = i + 1 < parts.size() ? parts[i + 1] : QStringLiteral("*");
        QStringList globs;
        for (const QString& glob : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (!glob.trimmed().isEmpty())
                globs << glob.trimmed();
        }
        if (globs.isEmpty())
            globs << QStringLiteral("*");
        const QString description = parts[i].trimmed();
        filters << (description.isEmpty() ? globs.join(QLatin1Char(' ')) : description)
                + QStringLiteral(" (") + globs.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

QtDialogs::QtDialogs(QWidget* parent)
    : m_parent(parent)
{
}

std::unique_ptr<QFileDialog> QtDialogs::makeFileDialog(
    const FileDialogRequest& request, QFileDialog::AcceptMode mode, QWidget* parent)
{
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setObjectName(fromUtf8(request.name));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    if (mode == QFileDialog::AcceptSave) {
        dialog->setFileMode(QFileDialog::AnyFile);
        // Saving replaces a file without asking.
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog->setFileMode(request.mayNotExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    }
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty())
        dialog->setNameFilters(filters);
    const QString defaultExtension = fromUtf8(request.defaultExtension);
    dialog->setDefaultSuffix(defaultExtension); // Qt drops a leading dot
    if (!defaultExtension.isEmpty()) {
        QFileDialog* const shown = dialog.get();
        QObject::connect(shown, &QFileDialog::filterSelected, shown,
            [shown, defaultExtension](const QString& filter) {
                const QString own = firstExtension(filter);
                shown->setDefaultSuffix(own.isEmpty() ? defaultExtension : own);
            });
    }
    if (!request.initialFileName.empty())
        dialog->selectFile(fromUtf8(request.initialFileName));
    return dialog;
}

std::optional<std::string> QtDialogs::ask(
    const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    const std::unique_ptr<QFileDialog> dialog = makeFileDialog(request, mode, m_parent);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    m_chosenFilter = static_cast<std::size_t>(
        std::max<qsizetype>(0, dialog->nameFilters().indexOf(dialog->selectedNameFilter())));
    return dialog->selectedFiles().constFirst().toStdString();
}

std::optional<std::string> QtDialogs::openFile(const FileDialogRequest& request)
{
    return ask(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtDialogs::saveFile(const FileDialogRequest& request)
{
    return ask(request, QFileDialog::AcceptSave);
}

std::optional<std::string> QtDialogs::chooseFolder()
{
    QString folder = QFileDialog::getExistingDirectory(m_parent, QString(), QString(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty())
        return std::nullopt;
    // Drops a trailing separator; the root keeps its only one, as nothing else would name it.
    return QDir::cleanPath(folder).toStdString();
}

} // namespace tintabel
