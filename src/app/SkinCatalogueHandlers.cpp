#include "app/SkinCatalogueHandlers.h"

#include "app/ColourSource.h"
#include "app/ColourSourceReset.h"
#include "app/ProgramFolders.h"
#include "colours/ColourXmlReader.h"
#include "colours/WorkingColourFile.h"
#include "editor/PreviewSamples.h"
#include "editor/SlotSelection.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>

namespace tintabel {

namespace {

constexpr int kFolderRole = Qt::UserRole;
constexpr QRgb kGrey = qRgb(0xF5, 0xF5, 0xF5);

void addSkin(QListWidget& list, std::string_view displayName, std::string_view folder)
{
    auto* item = new QListWidgetItem(QString::fromUtf8(displayName.data(), displayName.size()));
    item->setData(kFolderRole, QString::fromUtf8(folder.data(), folder.size()));
    list.addItem(item);
}

} // namespace

SkinCatalogueHandlers::SkinCatalogueHandlers(const Parts& parts)
    : m_parts(parts)
    , m_catalogue(parts.services.files)
{
}

void SkinCatalogueHandlers::manrbClick()
{
    m_parts.ListBox2.clear();
    m_parts.reset.unload();
    if (!m_parts.manrb.isChecked())
        return;
    resetSourceAndSamples();
    showManualModeControls();
}

void SkinCatalogueHandlers::skinrbClick()
{
    m_userFolder = m_parts.Label8.text().toStdString();
    m_parts.ListBox2.clear();
    m_parts.reset.unload();
    if (!m_parts.skinrb.isChecked())
        return;
    resetSourceAndSamples();
    if (!wczytajs())
        return;
    m_parts.lsbt.setEnabled(false);
    m_parts.lista1.setEnabled(true);
    paintSkinsList(QApplication::palette(&m_parts.lista1).color(QPalette::Base));
    for (const StandardSkin& standard : SkinCatalogue::kStandardSkins)
        addSkin(m_parts.lista1, standard.displayName, standard.folder);
}

bool SkinCatalogueHandlers::wczytajs()
{
    m_parts.lista1.clear();
    const unsigned scan = ++m_listChanges;
    m_skinsFolder = SkinCatalogue::skinsFolderOf(m_userFolder);
    const std::vector<SkinEntry> skins
        = m_catalogue.scan(m_userFolder, m_parts.services.processEvents);
    if (scan != m_listChanges)
        return false;
    for (const SkinEntry& skin : skins)
        addSkin(m_parts.lista1, skin.displayName, skin.folder);
    return true;
}

void SkinCatalogueHandlers::lista1Click(int row)
{
    const QListWidgetItem* line = m_parts.lista1.item(row);
    if (!line)
        return;
    startPick();
    const std::string folder = line->data(kFolderRole).toString().toStdString();
    m_catalogue.prepareTemplates(m_parts.folders.data, m_skinsFolder, folder);
    m_selectedSkinFolder = folder;
    m_parts.reset.unload();
    m_parts.workingFile.data();
    m_parts.services.files.makeFolderTree(m_parts.folders.temp);
    m_parts.ListBox2.clear();
    m_catalogue.listColourFiles(
        m_skinsFolder + folder + "/settings/", [this](const std::string& file) {
            m_parts.ListBox2.addItem(QString::fromStdString(file));
        });
}

void SkinCatalogueHandlers::ListBox2Click(int row)
{
    const QListWidgetItem* line = m_parts.ListBox2.item(row);
    if (!line)
        return;
    startPick();
    const std::string file = line->text().toStdString();
    m_parts.reset.unload();
    m_parts.reset.enableEditing();
    m_parts.workingFile.data();
    m_parts.services.files.makeFolderTree(m_parts.folders.temp);
    ColourSource& source = m_parts.source;
    source.docFileName = file;
    source.sourcePath = m_skinsFolder + m_selectedSkinFolder + "/settings/" + file;
    m_parts.reader.load(source.sourcePath, source.docFileName);
    // Only a file read to its end may be written back: after a failed read the slots hold part
    // of it, and saving would put white into the entries that were never read.
    m_parts.savebt.setEnabled(true);
    m_parts.sxmlbt.setEnabled(true);
    m_parts.workingFile.data();
    m_parts.selection.select(1);
}

// Loading by hand is off in the skin mode already; the skin list stays usable, only grey.
void SkinCatalogueHandlers::startPick()
{
    resetSourceAndSamples();
    m_parts.lsbt.setEnabled(false);
    m_parts.sxmlbt.setEnabled(false);
    paintSkinsList(QColor::fromRgb(kGrey));
}

void SkinCatalogueHandlers::resetSourceAndSamples()
{
    m_parts.reset.unload();
    if (m_parts.preview.samplesMade())
        m_parts.preview.clearAll();
    m_parts.reset.unload();
}

void SkinCatalogueHandlers::showManualModeControls()
{
    ++m_listChanges;
    m_parts.lsbt.setEnabled(true);
    m_parts.lista1.clear();
    m_parts.lista1.setEnabled(false);
    m_parts.sxmlbt.setEnabled(false);
    m_parts.savebt.setEnabled(false);
    paintSkinsList(QColor::fromRgb(kGrey));
}

void SkinCatalogueHandlers::paintSkinsList(const QColor& colour)
{
    QPalette colours = m_parts.lista1.palette();
    colours.setColor(QPalette::Base, colour);
    m_parts.lista1.setPalette(colours);
}

} // namespace tintabel
