#include "app/SkinCatalogueHandlers.h"

#include "app/Unit1.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

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

SkinCatalogueHandlers::SkinCatalogueHandlers(TForm1& form)
    : m_form(form)
    , m_catalogue(form.services().files)
{
}

void SkinCatalogueHandlers::manrbClick()
{
    m_form.ListBox2->clear();
    m_form.unload();
    if (!m_form.manrb->isChecked())
        return;
    resetSourceAndSamples();
    showManualModeControls();
}

void SkinCatalogueHandlers::skinrbClick()
{
    MainWindowState& state = m_form.state();
    state.userFolder = m_form.Label8->text().toStdString();
    m_form.ListBox2->clear();
    m_form.unload();
    if (!m_form.skinrb->isChecked())
        return;
    resetSourceAndSamples();
    if (!wczytajs())
        return;
    m_form.lsbt->setEnabled(false);
    m_form.lista1->setEnabled(true);
    paintSkinsList(QApplication::palette(m_form.lista1).color(QPalette::Base));
    for (const StandardSkin& standard : SkinCatalogue::kStandardSkins)
        addSkin(*m_form.lista1, standard.displayName, standard.folder);
}

bool SkinCatalogueHandlers::wczytajs()
{
    MainWindowState& state = m_form.state();
    m_form.lista1->clear();
    const unsigned scan = ++m_listChanges;
    state.skinsFolder = SkinCatalogue::skinsFolderOf(state.userFolder);
    const std::vector<SkinEntry> skins
        = m_catalogue.scan(state.userFolder, m_form.services().processEvents);
    if (scan != m_listChanges)
        return false;
    for (const SkinEntry& skin : skins)
        addSkin(*m_form.lista1, skin.displayName, skin.folder);
    return true;
}

void SkinCatalogueHandlers::lista1Click(int row)
{
    const QListWidgetItem* line = m_form.lista1->item(row);
    if (!line)
        return;
    MainWindowState& state = m_form.state();
    startPick();
    const std::string folder = line->data(kFolderRole).toString().toStdString();
    m_catalogue.prepareTemplates(state.dataFolder, state.skinsFolder, folder);
    state.selectedSkinFolder = folder;
    m_form.unload();
    m_form.data();
    m_form.services().files.makeFolderTree(state.tempFolder);
    m_form.ListBox2->clear();
    m_catalogue.listColourFiles(
        state.skinsFolder + folder + "/settings/", [this](const std::string& file) {
            m_form.ListBox2->addItem(QString::fromStdString(file));
        });
}

void SkinCatalogueHandlers::ListBox2Click(int row)
{
    const QListWidgetItem* line = m_form.ListBox2->item(row);
    if (!line)
        return;
    MainWindowState& state = m_form.state();
    startPick();
    const std::string file = line->text().toStdString();
    m_form.unload();
    for (QWidget* control : std::initializer_list<QWidget*> {m_form.plt, m_form.re, m_form.be,
             m_form.ge, m_form.alp, m_form.hex, m_form.sctbt, m_form.loadbt})
        control->setEnabled(true);
    m_form.data();
    m_form.services().files.makeFolderTree(state.tempFolder);
    state.docFileName = file;
    state.sourcePath = state.skinsFolder + state.selectedSkinFolder + "/settings/" + file;
    m_form.load(state.sourcePath);
    // Only a file read to its end may be written back: after a failed read the slots hold part
    // of it, and saving would put white into the entries that were never read.
    m_form.savebt->setEnabled(true);
    m_form.sxmlbt->setEnabled(true);
    m_form.data();
    m_form.selectSlot(1);
}

// Loading by hand is off in the skin mode already; the skin list stays usable, only grey.
void SkinCatalogueHandlers::startPick()
{
    resetSourceAndSamples();
    m_form.lsbt->setEnabled(false);
    m_form.sxmlbt->setEnabled(false);
    paintSkinsList(QColor::fromRgb(kGrey));
}

void SkinCatalogueHandlers::resetSourceAndSamples()
{
    m_form.unload();
    if (m_form.state().samplesMade)
        m_form.SampleClearAll();
    m_form.unload();
}

void SkinCatalogueHandlers::showManualModeControls()
{
    ++m_listChanges;
    m_form.lsbt->setEnabled(true);
    m_form.lista1->clear();
    m_form.lista1->setEnabled(false);
    m_form.sxmlbt->setEnabled(false);
    m_form.savebt->setEnabled(false);
    paintSkinsList(QColor::fromRgb(kGrey));
}

void SkinCatalogueHandlers::paintSkinsList(const QColor& colour)
{
    QPalette colours = m_form.lista1->palette();
    colours.setColor(QPalette::Base, colour);
    m_form.lista1->setPalette(colours);
}

} // namespace tintabel
