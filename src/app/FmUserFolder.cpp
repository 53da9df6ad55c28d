#include "app/FmUserFolder.h"

#include "app/ImageControl.h"
#include "app/SkinCatalogueHandlers.h"
#include "app/StatusBar.h"
#include "colours/InterfaceTexts.h"
#include "colours/UserDataLocation.h"
#include "editor/PreviewLayout.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/PictureLoader.h"
#include "platform/Registry.h"
#include "platform/Services.h"

#include <QAbstractButton>
#include <QLabel>

#include <utility>

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

FmUserFolder::FmUserFolder(const Parts& parts)
    : m_parts(parts)
{
}

void FmUserFolder::readChosenFolders()
{
    Registry& registry = m_parts.services.registry;
    m_folders.fm2009ChosenFolder = registry.readString(kRoot, kFm2009Key, kPathValue);
    m_folders.fm2008ChosenFolder = registry.readString(kRoot, kFm2008Key, kPathValue);
    m_folders.fm2008InstallFolder = registry.readString(kRoot, kFm2008InstallKey, kPathValue);
}

void FmUserFolder::showChosenFolderHint()
{
    StatusBar::setHint(m_parts.spbt, "| " + m_folders.fm2009ChosenFolder);
}

void FmUserFolder::locateUserDataFile()
{
    m_folders.userDataLocationFile
        = specialFolderPath(kApplicationData, m_parts.services.environment)
        + UserDataLocation::kRelativePath;
}

// Only the FM 2009 mode can be entered, yet its folder is made for every user all the same.
void FmUserFolder::prepareFm2008Folder()
{
    m_folders.documentsFolder = specialFolderPath(kPersonalDocuments, m_parts.services.environment);
    m_folders.fm2008DefaultFolder
        = m_folders.documentsFolder + "\\Sports Interactive\\Football Manager 2008\\";
    m_parts.services.files.makeFolderTree(
        m_folders.documentsFolder + "\\Sports Interactive\\Football Manager 2008\\skins");
}

void FmUserFolder::detectFm2009Folder()
{
    FileSystem& files = m_parts.services.files;
    m_folders.fm2009DetectedFolder
        = UserDataLocation::readFolder(files, m_folders.userDataLocationFile);
    if (!m_folders.fm2009DetectedFolder.empty()) {
        files.makeFolderTree(m_folders.fm2009DetectedFolder + "\\skins");
        m_parts.skinrb.setEnabled(true);
    }
    m_folders.fm2009DetectedFolderSlash = m_folders.fm2009DetectedFolder + "/";
}

// The message stays in the language of the start, whatever is chosen later.
void FmUserFolder::reportMissingFolder()
{
    if (!m_folders.fm2009DetectedFolder.empty() || !m_folders.fm2009ChosenFolder.empty())
        return;
    m_parts.StatusBar1.setTextColour(Qt::red);
    m_parts.StatusBar1.setText(toQString(m_parts.texts.msgNoUserFolder));
    m_parts.skinrb.setEnabled(false);
}

void FmUserFolder::chooseUserFolder()
{
    if (m_folders.fm2009ChosenFolder.empty()) {
        m_parts.catalogue.setUserFolder(m_folders.fm2009DetectedFolderSlash);
        showCurrentPathHint();
    } else {
        m_parts.catalogue.setUserFolder(m_folders.fm2009ChosenFolder + "\\");
    }
}

void FmUserFolder::showUserFolder()
{
    m_parts.Label8.setText(toQString(m_parts.catalogue.userFolder()));
}

void FmUserFolder::spbtClick()
{
    const std::optional<std::string> chosen = m_parts.services.dialogs.chooseFolder();
    if (!chosen)
        return;
    m_parts.services.registry.writeString(kRoot, kFm2009Key, kPathValue, *chosen);
    setUserFolder(*chosen + "\\");
    showCurrentPathHint();
    m_parts.StatusBar1.setTextColour(m_parts.window.palette().color(QPalette::ButtonText));
    m_parts.skinrb.setEnabled(true);
    m_parts.manrb.setChecked(true);
    m_parts.catalogue.manrbClick();
}

void FmUserFolder::resbtClick()
{
    resetBackground();
    m_folders.fm2009ChosenFolder.clear();
    m_parts.catalogue.setUserFolder(m_folders.fm2009DetectedFolderSlash);
    m_parts.services.registry.writeString(kRoot, kFm2009Key, kPathValue, "");
    cbfm2009Click();
}

void FmUserFolder::cbfm2009Click()
{
    if (m_folders.fm2009ChosenFolder.empty())
        setUserFolder(m_folders.fm2009DetectedFolderSlash);
    showCurrentPathHint();
    m_parts.catalogue.resetSourceAndSamples();
    m_parts.catalogue.showManualModeControls();
    m_parts.manrb.setChecked(true);
}

void FmUserFolder::setUserFolder(std::string folder)
{
    m_parts.catalogue.setUserFolder(std::move(folder));
    showUserFolder();
}

void FmUserFolder::showCurrentPathHint()
{
    StatusBar::setHint(m_parts.spbt, kCurrentPathHint + m_parts.catalogue.userFolder());
}

// The samples stay where they are; only the background goes back to its start.
void FmUserFolder::resetBackground()
{
    ImageControl& background = m_parts.Image1;
    background.setPicture(QImage());
    background.move(PreviewLayout::kBackgroundStart);
    background.setPicture(m_parts.services.pictures.load(m_parts.dataFolder + "\\standard.jpg"));
}

} // namespace tintabel
