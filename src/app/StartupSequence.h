#pragma once

class QWidget;

namespace tintabel {

class FmUserFolder;
class ImageControl;
class Languages;
class PreviewSamples;
class StatusBar;
class UpdateCheck;
struct ProgramFolders;
struct Services;

// What the main window does once its controls exist, one method per step, in this order. An error
// in a step ends the sequence at that step and is shown in the general error box; the window opens
// all the same, with what the steps before it did. The update check alone keeps its errors from the
// user: they only go to the log.
class StartupSequence {
public:
    struct Parts {
        Services& services;
        const ProgramFolders& folders;
        Languages& languages;
        UpdateCheck& update;
        FmUserFolder& fmUserFolder;
        PreviewSamples& preview;
        QWidget& window; // whose hints the status bar follows
        StatusBar& StatusBar1;
        ImageControl& logoimg;
        ImageControl& engimg;
        ImageControl& polimg;
    };

    explicit StartupSequence(const Parts& parts);
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

    Parts m_parts;
};

} // namespace tintabel
