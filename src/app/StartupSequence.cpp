#include "app/StartupSequence.h"

#include "app/EmbeddedPicture.h"
#include "app/FmUserFolder.h"
#include "app/ImageControl.h"
#include "app/Languages.h"
#include "app/LogCategories.h"
#include "app/ProgramFolders.h"
#include "app/StatusBar.h"
#include "app/UpdateCheck.h"
#include "app/Version.h"
#include "editor/PreviewSamples.h"
#include "platform/GeneralErrorBox.h"
#include "platform/MessageBoxes.h"
#include "platform/Services.h"

#include <QWidget>

namespace tintabel {

StartupSequence::StartupSequence(const Parts& parts)
    : m_parts(parts)
{
}

void StartupSequence::run()
{
    showErrors(m_parts.services.messages, [this] {
        setFolders();
        applyLanguage();
        setVersion();
        try {
            checkForUpdate();
        } catch (...) {
            // The server may be away or answer nonsense; that is never the user's concern.
            logCurrentFailure(logUpdate(), "The update check");
        }
        readFolderSettings();
        setSamplePositions();
        showHintsInStatusBar();
        setFolderHint();
        paintDoubleBuffered();
        locateUserDataFile();
        prepareFm2008Folder();
        detectFm2009Folder();
        reportMissingFolder();
        chooseUserFolder();
        loadPictures();
        showUserFolder();
    });
}

// The folders were made with the window; those that could not be are told of once, here, and the
// program goes on without them.
void StartupSequence::setFolders()
{
    std::string text;
    for (const std::string& problem : m_parts.folders.problems)
        text += (text.empty() ? "" : "\n") + problem;
    if (!text.empty())
        m_parts.services.messages.error(text);
}

void StartupSequence::applyLanguage()
{
    m_parts.languages.applyStoredLanguage();
}

void StartupSequence::setVersion()
{
    m_parts.update.setProgramVersion(version::kNumber);
}

void StartupSequence::checkForUpdate()
{
    m_parts.update.update();
}

void StartupSequence::readFolderSettings()
{
    m_parts.fmUserFolder.readChosenFolders();
}

void StartupSequence::setSamplePositions()
{
    m_parts.preview.resetPositions();
}

void StartupSequence::showHintsInStatusBar()
{
    m_parts.StatusBar1.followHintsOf(m_parts.window);
}

void StartupSequence::setFolderHint()
{
    m_parts.fmUserFolder.showChosenFolderHint();
}

// Qt paints every widget off screen before it shows it.
void StartupSequence::paintDoubleBuffered()
{
}

void StartupSequence::locateUserDataFile()
{
    m_parts.fmUserFolder.locateUserDataFile();
}

void StartupSequence::prepareFm2008Folder()
{
    m_parts.fmUserFolder.prepareFm2008Folder();
}

void StartupSequence::detectFm2009Folder()
{
    m_parts.fmUserFolder.detectFm2009Folder();
}

void StartupSequence::reportMissingFolder()
{
    m_parts.fmUserFolder.reportMissingFolder();
}

void StartupSequence::chooseUserFolder()
{
    m_parts.fmUserFolder.chooseUserFolder();
}

void StartupSequence::loadPictures()
{
    const qreal ratio = m_parts.window.devicePixelRatioF();
    m_parts.logoimg.setPicture(loadEmbeddedPicture(QStringLiteral(":/pictures/logo.jpg"), ratio));
    m_parts.engimg.setPicture(loadEmbeddedPicture(QStringLiteral(":/pictures/eng.jpg"), ratio));
    m_parts.polimg.setPicture(loadEmbeddedPicture(QStringLiteral(":/pictures/pol.jpg"), ratio));
}

void StartupSequence::showUserFolder()
{
    m_parts.fmUserFolder.showUserFolder();
}

} // namespace tintabel
