#pragma once

namespace tintabel {

class TForm1;

// What the main window does once its controls exist, one method per step, in this order. An error
// in a step ends the sequence at that step and is shown in the general error box; the window opens
// all the same, with what the steps before it did. The update check alone swallows its errors.
class StartupSequence {
public:
    explicit StartupSequence(TForm1& form);
    virtual ~StartupSequence() = default;

    void run();

protected:
    virtual void setFolders();
    virtual void applyLanguage();
    virtual void setVersion();
    virtual void checkForUpdate();
    virtual void readFolderSettings();
    virtual void setSamplePositions();
    virtual void showHintsInStatusBar();
    virtual void setFolderHint();
    virtual void paintDoubleBuffered();
    virtual void locateUserDataFile();
    virtual void prepareFm2008Folder();
    virtual void detectFm2009Folder();
    virtual void reportMissingFolder();
    virtual void chooseUserFolder();
    virtual void loadPictures();
    virtual void showUserFolder();

    TForm1& m_form;
};

} // namespace tintabel
