#include "app/FmUserFolder.h"

#include "app/ImageControl.h"
#include "app/SkinCatalogueHandlers.h"
#include "app/StatusBar.h"
#include "app/Unit1.h"
#include "colours/UserDataLocation.h"
#include "editor/PreviewLayout.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/PictureLoader.h"
#include "platform/Registry.h"
#include "platform/Services.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tintabel {

namespace {

constexpr auto kRoot = RegistryRoot::LocalMachine;
constexpr int kApplicationData = 26;
constexpr int kPersonalDocuments = 5;

QString toQString(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

FmUserFolder::FmUserFolder(TForm1& form)
    : m_form(form)
{
}

void FmUserFolder::readChosenFolders()
{
    MainWindowState& state = m_form.state();
    Registry& registry = m_form.services().registry;
    state.fm2009ChosenFolder = registry.readString(kRoot, kFm2009Key, kPathValue);
    state.fm2008ChosenFolder = registry.readString(kRoot, kFm2008Key, kPathValue);
    state.fm2008InstallFolder = registry.readString(kRoot, kFm2008InstallKey, kPathValue);
}

void FmUserFolder::showChosenFolderHint()
{
    StatusBar::setHint(*m_form.spbt, "| " + m_form.state().fm2009ChosenFolder);
}

void FmUserFolder::locateUserDataFile()
{
    m_form.state().userDataLocationFile
        = specialFolderPath(kApplicationData, m_form.services().environment)
        + UserDataLocation::kRelativePath;
}

// Only the FM 2009 mode can be entered, yet its folder is made for every user all the same.
void FmUserFolder::prepareFm2008Folder()
{
    MainWindowState& state = m_form.state();
    state.documentsFolder = specialFolderPath(kPersonalDocuments, m_form.services().environment);
    state.fm2008DefaultFolder
        = state.documentsFolder + "\\Sports Interactive\\Football Manager 2008\\";
    m_form.services().files.makeFolderTree(
        state.documentsFolder + "\\Sports Interactive\\Football Manager 2008\\skins");
}

void FmUserFolder::detectFm2009Folder()
{
    MainWindowState& state = m_form.state();
    FileSystem& files = m_form.services().files;
    state.fm2009DetectedFolder = UserDataLocation::readFolder(files, state.userDataLocationFile);
    if (!state.fm2009DetectedFolder.empty()) {
        files.makeFolderTree(state.fm2009DetectedFolder + "\\skins");
        m_form.skinrb->setEnabled(true);
    }
    state.fm2009DetectedFolderSlash = state.fm2009DetectedFolder + "/";
}

// The message stays in the language of the start, whatever is chosen later.
void FmUserFolder::reportMissingFolder()
{
    const MainWindowState& state = m_form.state();
    if (!state.fm2009DetectedFolder.empty() || !state.fm2009ChosenFolder.empty())
        return;
    m_form.StatusBar1->setTextColour(Qt::red);
    m_form.StatusBar1->setText(toQString(state.texts.msgNoUserFolder));
    m_form.skinrb->setEnabled(false);
}

void FmUserFolder::chooseUserFolder()
{
    MainWindowState& state = m_form.state();
    if (state.fm2009ChosenFolder.empty()) {
        state.userFolder = state.fm2009DetectedFolderSlash;
        showCurrentPathHint();
    } else {
        state.userFolder = state.fm2009ChosenFolder + "\\";
    }
}

void FmUserFolder::showUserFolder()
{
    m_form.Label8->setText(toQString(m_form.state().userFolder));
}

void FmUserFolder::spbtClick()
{
    const std::optional<std::string> chosen = m_form.services().dialogs.chooseFolder();
    if (!chosen)
        return;
    m_form.services().registry.writeString(kRoot, kFm2009Key, kPathValue, *chosen);
    setUserFolder(*chosen + "\\");
    showCurrentPathHint();
    m_form.StatusBar1->setTextColour(m_form.palette().color(QPalette::ButtonText));
    m_form.skinrb->setEnabled(true);
    m_form.manrb->setChecked(true);
    m_form.manrbClick();
}

void FmUserFolder::resbtClick()
{
    resetBackground();
    MainWindowState& state = m_form.state();
    state.fm2009ChosenFolder.clear();
    state.userFolder = state.fm2009DetectedFolderSlash;
    m_form.services().registry.writeString(kRoot, kFm2009Key, kPathValue, "");
    cbfm2009Click();
}

void FmUserFolder::cbfm2009Click()
{
    const MainWindowState& state = m_form.state();
    if (state.fm2009ChosenFolder.empty())
        setUserFolder(state.fm2009DetectedFolderSlash);
    showCurrentPathHint();
    SkinCatalogueHandlers& catalogue = m_form.catalogue();
    catalogue.resetSourceAndSamples();
    catalogue.showManualModeControls();
    m_form.manrb->setChecked(true);
}

void FmUserFolder::setUserFolder(std::string folder)
{
    m_form.state().userFolder = std::move(folder);
    showUserFolder();
}

void FmUserFolder::showCurrentPathHint()
{
    StatusBar::setHint(*m_form.spbt, kCurrentPathHint + m_form.state().userFolder);
}

// The samples stay where they are; only the background goes back to its start.
void FmUserFolder::resetBackground()
{
    ImageControl& background = *m_form.Image1;
    background.setPicture(QImage());
    background.move(PreviewLayout::kBackgroundStart);
    background.setPicture(
        m_form.services().pictures.load(m_form.state().dataFolder + "\\standard.jpg"));
}

} // namespace tintabel
