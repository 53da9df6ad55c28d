#include "app/ApplySchemeDialog.h"

#include "app/PaletteFiles.h"
#include "colours/InterfaceTexts.h"
#include "colours/SchemeApplication.h"
#include "colours/SkinCatalogue.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/GeneralErrorBox.h"
#include "platform/MessageBoxes.h"
#include "platform/Paths.h"
#include "platform/Services.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tintabel {

namespace {

constexpr int kFolderRole = Qt::UserRole;

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

FileDialogRequest schemeFileRequest()
{
    FileDialogRequest request;
    request.name = "applydlg";
    request.filter = std::string("CTM File|*.ctm") + PaletteFiles::kFilter;
    return request;
}

} // namespace

ApplySchemeDialog::ApplySchemeDialog(const Parts& parts, QWidget* parent)
    : QDialog(parent)
    , m_parts(parts)
    , m_skinsLabel(new QLabel(this))
    , m_skins(new QListWidget(this))
    , m_current(new QRadioButton(this))
    , m_file(new QRadioButton(this))
    , m_fileName(new QLineEdit(this))
    , m_choose(new QPushButton(this))
    , m_changes(new QPlainTextEdit(this))
    , m_apply(new QPushButton(this))
    , m_close(new QPushButton(this))
{
    setObjectName(QStringLiteral("applyskins"));
    m_skins->setObjectName(QStringLiteral("skins"));
    m_current->setObjectName(QStringLiteral("currentrb"));
    m_file->setObjectName(QStringLiteral("filerb"));
    m_fileName->setObjectName(QStringLiteral("schemefile"));
    m_choose->setObjectName(QStringLiteral("choosebt"));
    m_changes->setObjectName(QStringLiteral("changes"));
    m_apply->setObjectName(QStringLiteral("applybt"));
    m_close->setObjectName(QStringLiteral("closebt"));
    m_fileName->setReadOnly(true);
    m_changes->setReadOnly(true);
    m_changes->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_current->setChecked(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_skinsLabel, 0, 0);
    grid->addWidget(m_skins, 1, 0, 4, 1);
    grid->addWidget(m_current, 0, 1, 1, 3);
    grid->addWidget(m_file, 1, 1);
    grid->addWidget(m_fileName, 1, 2);
    grid->addWidget(m_choose, 1, 3);
    grid->addWidget(m_changes, 2, 1, 3, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_apply);
    buttons->addWidget(m_close);
    grid->addLayout(buttons, 5, 0, 1, 4);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
    resize(720, 420);

    MessageBoxes& messages = parts.services.messages;
    const auto refresh = guarded(messages, [this](auto&&...) { showChanges(); });
    connect(m_skins, &QListWidget::itemChanged, this, refresh);
    connect(m_current, &QRadioButton::toggled, this, refresh);
    connect(
        m_choose, &QPushButton::clicked, this, guarded(messages, [this](bool) { chooseFile(); }));
    connect(
        m_apply, &QPushButton::clicked, this, guarded(messages, [this](bool) { applyToSkins(); }));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void ApplySchemeDialog::start()
{
    applyTexts();
    listSkins();
    showChanges();
    show();
    raise();
    activateWindow();
}

void ApplySchemeDialog::applyTexts()
{
    const InterfaceTexts& texts = m_parts.texts;
    setWindowTitle(text(texts.txtApplyToSkins));
    m_skinsLabel->setText(text(texts.txtSkinList));
    m_current->setText(text(texts.txtCurrentColours));
    m_file->setText(text(texts.txtSchemeFile));
    m_choose->setText(text(texts.txtChoose));
    m_apply->setText(text(texts.txtApply));
    m_close->setText(text(texts.txtClose));
}

void ApplySchemeDialog::listSkins()
{
    const QSignalBlocker quiet(m_skins);
    m_skins->clear();
    SkinCatalogue catalogue(m_parts.services.files);
    const std::string skinsFolder = SkinCatalogue::skinsFolderOf(m_parts.userFolder);
    std::vector<SkinEntry> skins
        = catalogue.scan(m_parts.userFolder, m_parts.services.processEvents);
    // The standard skins have colour files once they have been picked in the skin mode.
    for (const StandardSkin& standard : SkinCatalogue::kStandardSkins) {
        if (m_parts.services.files.folderExists(skinsFolder + std::string(standard.folder)))
            skins.push_back({std::string(standard.displayName), std::string(standard.folder)});
    }
    for (const SkinEntry& skin : skins) {
        auto* line = new QListWidgetItem(text(skin.displayName), m_skins);
        line->setFlags(line->flags() | Qt::ItemIsUserCheckable);
        line->setCheckState(Qt::Unchecked);
        line->setData(kFolderRole, text(skinsFolder + skin.folder));
    }
}

void ApplySchemeDialog::chooseFile()
{
    const std::optional<std::string> chosen
        = m_parts.services.dialogs.openFile(schemeFileRequest());
    if (!chosen)
        return;
    // Read once here, so that a file that cannot be read is told at once and changes nothing.
    SlotScheme::read(m_parts.services.files, *chosen, paletteFormatOf(*chosen));
    m_schemeFile = *chosen;
    m_fileName->setText(text(*chosen));
    if (m_file->isChecked())
        showChanges();
    else
        m_file->setChecked(true);
}

std::optional<SlotScheme> ApplySchemeDialog::scheme() const
{
    if (m_current->isChecked())
        return SlotScheme::ofSlots(m_parts.slotModel);
    if (m_schemeFile.empty())
        return std::nullopt;
    return SlotScheme::read(m_parts.services.files, m_schemeFile, paletteFormatOf(m_schemeFile));
}

ApplySchemeDialog::Report ApplySchemeDialog::report(bool write) const
{
    const std::optional<SlotScheme> chosen = scheme();
    if (!chosen)
        return {};
    Report result;
    const InterfaceTexts& texts = m_parts.texts;
    std::string lines;
    for (const std::string& warning : chosen->warnings)
        lines += warning + "\n";
    const SchemeApplication application(m_parts.services.files, *chosen);
    for (int row = 0; row < m_skins->count(); ++row) {
        const QListWidgetItem* skin = m_skins->item(row);
        if (skin->checkState() != Qt::Checked)
            continue;
        lines += skin->text().toStdString() + "\n";
        std::vector<std::string> paths;
        try {
            paths = application.colourFiles(skin->data(kFolderRole).toString().toStdString());
        } catch (const Error& error) {
            lines += std::string("  ") + error.what() + "\n";
            continue;
        }
        if (paths.empty())
            lines += "  " + texts.txtNoColourFile + "\n";
        for (const std::string& path : paths) {
            const ColourFileOutcome outcome = application.apply(path, write);
            lines += "  " + fileNamePart(path) + ": ";
            if (!outcome.failure.empty())
                lines += outcome.failure + "\n";
            else if (outcome.changes.empty())
                lines += texts.txtStaysAsItIs + "\n";
            else {
                lines += (write ? texts.txtChanged : texts.txtWouldChange) + "\n";
                ++result.changedFiles;
            }
            for (const ColourChange& change : outcome.changes)
                lines += "    " + change.text() + "\n";
        }
    }
    result.text = text(lines);
    return result;
}

void ApplySchemeDialog::showChanges()
{
    const Report changes = report(false);
    m_changes->setPlainText(changes.text);
    m_apply->setEnabled(changes.changedFiles > 0);
}

void ApplySchemeDialog::applyToSkins()
{
    int checked = 0;
    for (int row = 0; row < m_skins->count(); ++row)
        checked += m_skins->item(row)->checkState() == Qt::Checked ? 1 : 0;
    const InterfaceTexts& texts = m_parts.texts;
    if (!m_parts.services.messages.warningYesNo(
            texts.txtApplyToSkins, formatMessage(texts.msgApplyToSkins, {std::to_string(checked)})))
        return;
    m_changes->setPlainText(report(true).text);
    m_apply->setEnabled(false);
}

} // namespace tintabel
