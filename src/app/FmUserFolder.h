#pragma once

#include <string>

namespace tintabel {

class TForm1;

// Where the FM 2009 user data lies, which the skins are looked up in: found at start from the
// game's own location file, or chosen by hand with spbt (kept in the settings store) and given up
// again with resbt. The folder in use is userFolder, which always ends in a separator; the
// hidden Label8 carries a copy for the skin mode, and the hint of spbt names it.
class FmUserFolder {
public:
    static constexpr const char* kFm2009Key = "\\SOFTWARE\\VELDO\\orb\\path\\fm2009";
    static constexpr const char* kFm2008Key = "\\SOFTWARE\\VELDO\\orb\\path\\fm2008";
    static constexpr const char* kFm2008InstallKey
        = "\\Software\\Sports Interactive Ltd\\Installs\\Football Manager 2008";
    static constexpr const char* kPathValue = "Path";
    // English in every interface language.
    static constexpr const char* kCurrentPathHint = "| Current path (FM 2009) is ";

    explicit FmUserFolder(TForm1& form);

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

    TForm1& m_form;
};

} // namespace tintabel
