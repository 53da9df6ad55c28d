#pragma once

#include "support/MainWindowFixture.h"

#include <QListWidget>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tintabel::testing {

// A main window whose user has the game's files laid out before it starts: the game's location
// file, a Wine prefix in the home folder, skins in an FM user folder.
class UserFolderFixture : public MainWindowFixture {
protected:
    // Lays out home/.wine as Wine does; its drive_c, where the program then looks for the files.
    std::filesystem::path makeWinePrefix();
    // The location file where the program looks for it, naming folder (behind the game's tag).
    void locateGameFolder(std::string_view folder);
    void writeLocationFile(std::string_view document);
    // A skin in the skins folder of userFolder, with the given name in its description.
    static void addSkin(
        const std::filesystem::path& userFolder, const std::string& folder, std::string_view name);
    static std::vector<QString> lines(const QListWidget& list);
    // Clicks a line of a list as the user does; the window must be shown.
    static void clickLine(QListWidget& list, const QString& text);
    // Starts the window, shows it and chooses loading from a skin.
    TForm1& startInSkinMode();
};

} // namespace tintabel::testing
