#pragma once

#include <string>

class QAbstractButton;
class QLabel;
class QWidget;

namespace tintabel {

class ImageControl;
class SkinCatalogueHandlers;
class StatusBar;
struct InterfaceTexts;
struct Services;

// Where the FM 2009 user data lies, which the skins are looked up in: found at start from the
// game's own location file, or chosen by hand with spbt (kept in the settings store) and given up
// again with resbt. The folder in use is the skin catalogue's userFolder, which always ends in a
// separator; the hidden Label8 carries a copy for the skin mode, and the hint of spbt names it.
class FmUserFolder {
public:
    static constexpr const char* kFm2009Key = "\\SOFTWARE\\VELDO\\orb\\path\\fm2009";
    static constexpr const char* kFm2008Key = "\\SOFTWARE\\VELDO\\orb\\path\\fm2008";
    static constexpr const char* kFm2008InstallKey
        = "\\Software\\Sports Interactive Ltd\\Installs\\Football Manager 2008";
    static constexpr const char* kPathValue = "Path";
    // English in every interface language.
    static constexpr const char* kCurrentPathHint = "| Current path (FM 2009) is ";

    struct Parts {
        Services& services;
        SkinCatalogueHandlers& catalogue;
        const InterfaceTexts& texts; // of the language in force
        const std::string& dataFolder; // where the shipped files lie
        QWidget& window; // whose text colour the status bar takes back
        StatusBar& StatusBar1;
        QWidget& spbt;
        QWidget& skinrb;
        QAbstractButton& manrb;
        QLabel& Label8;
        ImageControl& Image1;
    };

    // What the start-up finds and reads; paths are texts as the program builds them.
    struct Folders {
        std::string fm2009ChosenFolder;
        std::string fm2008ChosenFolder;
        std::string fm2008InstallFolder;
        std::string userDataLocationFile;
        std::string fm2009DetectedFolder;
        std::string fm2009DetectedFolderSlash;
        std::string documentsFolder;
        std::string fm2008DefaultFolder;
    };

    explicit FmUserFolder(const Parts& parts);

    const Folders& folders() const { return m_folders; }

    // Start-up, in this order, with other steps in between.
    void readChosenFolders();
    void showChosenFolderHint();
    void locateUserDataFile();
    void prepareFm2008Folder();
    void detectFm2009Folder();
    void reportMissingFolder();
    void chooseUserFolder();
    void showUserFolder();

    void spbtClick();
    void resbtClick();
    void cbfm2009Click();

private:
    void setUserFolder(std::string folder);
    void showCurrentPathHint();
    void resetBackground();

    Parts m_parts;
    Folders m_folders;
};

} // namespace tintabel
