#include "app/StartupSequence.h"

#include "app/EmbeddedPicture.h"
#include "app/FmUserFolder.h"
#include "app/ImageControl.h"
#include "app/Languages.h"
#include "app/StatusBar.h"
#include "app/Unit1.h"
#include "app/UpdateCheck.h"
#include "app/Version.h"
#include "editor/PreviewSamples.h"
#include "platform/FileSystem.h"
#include "platform/GeneralErrorBox.h"
#include "platform/Services.h"
#include "platform/ShippedFilesFolder.h"

namespace tintabel {

StartupSequence::StartupSequence(TForm1& form)
    : m_form(form)
{
}

void StartupSequence::run()
{
    showErrors(m_form.services().messages, [this] {
        setFolders();
        applyLanguage();
        setVersion();
        try {
            checkForUpdate();
        } catch (...) {
            // The server may be away or answer nonsense; that is never the user's concern.
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

void StartupSequence::setFolders()
{
    MainWindowState& state = m_form.state();
    const std::string& program = m_form.services().programFile;
    state.programFolder = program.substr(0, program.find_last_of("/\\") + 1);
    state.dataFolder
        = shippedFilesFolder(program, version::kDataFromProgram, m_form.services().files);
    state.tempFolder = state.programFolder + "\\temp";
    m_form.services().files.makeFolderTree(state.tempFolder);
}

void StartupSequence::applyLanguage()
{
    m_form.languages().applyStoredLanguage();
}

void StartupSequence::setVersion()
{
    m_form.state().programVersion = version::kNumber;
}

void StartupSequence::checkForUpdate()
{
    m_form.updateCheck().update();
}

void StartupSequence::readFolderSettings()
{
    m_form.fmUserFolder().readChosenFolders();
}

void StartupSequence::setSamplePositions()
{
    m_form.state().samplePos = PreviewSamples::kStartPositions;
}

void StartupSequence::showHintsInStatusBar()
{
    m_form.StatusBar1->followHintsOf(m_form);
}

void StartupSequence::setFolderHint()
{
    m_form.fmUserFolder().showChosenFolderHint();
}

// Qt paints every widget off screen before it shows it.
void StartupSequence::paintDoubleBuffered()
{
}

void StartupSequence::locateUserDataFile()
{
    m_form.fmUserFolder().locateUserDataFile();
}

void StartupSequence::prepareFm2008Folder()
{
    m_form.fmUserFolder().prepareFm2008Folder();
}

void StartupSequence::detectFm2009Folder()
{
    m_form.fmUserFolder().detectFm2009Folder();
}

void StartupSequence::reportMissingFolder()
{
    m_form.fmUserFolder().reportMissingFolder();
}

void StartupSequence::chooseUserFolder()
{
    m_form.fmUserFolder().chooseUserFolder();
}

void StartupSequence::loadPictures()
{
    m_form.logoimg->setPicture(loadEmbeddedPicture(QStringLiteral(":/pictures/logo.jpg")));
    m_form.engimg->setPicture(loadEmbeddedPicture(QStringLiteral(":/pictures/eng.jpg")));
    m_form.polimg->setPicture(loadEmbeddedPicture(QStringLiteral(":/pictures/pol.jpg")));
}

void StartupSequence::showUserFolder()
{
    m_form.fmUserFolder().showUserFolder();
}

} // namespace tintabel
