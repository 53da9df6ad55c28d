#include "app/FmUserFolder.h"

#include "app/ImageControl.h"
#include "app/Languages.h"
#include "app/SkinCatalogueHandlers.h"
#include "app/StatusBar.h"
#include "support/UserFolderFixture.h"

#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>

namespace tintabel::testing {
namespace {

namespace fs = std::filesystem;

constexpr auto kRoot = RegistryRoot::LocalMachine;

class FmUserFolderTest : public UserFolderFixture {
protected:
    std::string storedFolder()
    {
        return registry.readString(kRoot, FmUserFolder::kFm2009Key, FmUserFolder::kPathValue);
    }
    void storeFolder(std::string_view folder)
    {
        registry.writeString(kRoot, FmUserFolder::kFm2009Key, FmUserFolder::kPathValue, folder);
    }
    // The folder in use as each of its three holders has it, and whether the skin mode is open.
    std::vector<std::string> userFolder()
    {
        TForm1& form = window();
        return {form.catalogue().userFolder(), named<QLabel>(form, "Label8")->text().toStdString(),
            named<QPushButton>(form, "spbt")->statusTip().toStdString(),
            named<QRadioButton>(form, "skinrb")->isEnabled() ? "skin mode" : "manual only"};
    }
    static std::vector<std::string> inUse(const std::string& folder, bool skinMode)
    {
        return {folder, folder, " Current path (FM 2009) is " + folder,
            skinMode ? "skin mode" : "manual only"};
    }
    StatusBar& status() { return *named<StatusBar>(window(), "StatusBar1"); }
    QColor statusColour() { return status().palette().color(QPalette::WindowText); }
    // The status bar's text while the mouse is on the control.
    QString hoverOnAndOff(const char* control)
    {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(named<QWidget>(window(), control), &enter);
        const QString whileOn = status().text();
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(named<QWidget>(window(), control), &leave);
        return whileOn;
    }
};

// The FM 2008 skins folder is made too, in the documents, for every user.
TEST_F(FmUserFolderTest, TheGamesLocationFileNamesTheFolderInsideTheWinePrefix)
{
    const fs::path driveC = makeWinePrefix();
    locateGameFolder("C:\\Games\\FM");
    start();
    EXPECT_EQ(userFolder(), inUse("C:\\Games\\FM/", true));
    EXPECT_TRUE(fs::is_directory(driveC / "Games/FM/skins"));
    EXPECT_TRUE(fs::is_directory(
        driveC / "users/tester/Documents/Sports Interactive/Football Manager 2008/skins"));
    EXPECT_EQ(status().text(), "");
    EXPECT_TRUE(messages.shown().empty());
}

// The red text speaks the language of the start and stays until the mouse reaches the folder
// button, whose hint (always English) then follows the mouse.
TEST_F(FmUserFolderTest, WithNoFolderKnownTheSkinModeIsOffAndTheStatusBarSaysSoInRed)
{
    registry.writeString(kRoot, Languages::kKey, Languages::kValue, "Polish");
    writeLocationFile(R"(<record><string id="name" value="XC:\Games\FM"/></record>)");
    start();
    const QString polish = QString::fromStdString(window().languages().texts().msgNoUserFolder);
    EXPECT_TRUE(polish.startsWith("Nie odnaleźiono"));
    EXPECT_EQ(userFolder(), inUse("/", false));
    EXPECT_EQ(status().text(), polish);
    EXPECT_EQ(statusColour(), QColor(Qt::red));
    EXPECT_TRUE(
        fs::is_directory(home / "Documents/Sports Interactive/Football Manager 2008/skins"));
    click("engimg");
    hoverOnAndOff("resbt");
    EXPECT_EQ(status().text(), polish);
    EXPECT_EQ(hoverOnAndOff("spbt"), " Current path (FM 2009) is /");
    EXPECT_EQ(status().text(), "");
}

TEST_F(FmUserFolderTest, TheFolderButtonStoresTheChosenFolderAndGoesBackToManualLoading)
{
    start();
    const QString missing = status().text();
    clickAnswering("spbt", std::nullopt);
    EXPECT_EQ(registry.writeCount(), 0);
    clickAnswering("spbt", "D:\\FM09");
    EXPECT_EQ(storedFolder(), "D:\\FM09");
    EXPECT_EQ(userFolder(), inUse("D:\\FM09\\", true));
    EXPECT_TRUE(named<QRadioButton>(window(), "manrb")->isChecked());
    EXPECT_TRUE(named<QPushButton>(window(), "lsbt")->isEnabled());
    EXPECT_FALSE(named<QListWidget>(window(), "lista1")->isEnabled());
    // The red message loses its colour but keeps its text until a hint replaces it.
    EXPECT_EQ(status().text(), missing);
    EXPECT_EQ(statusColour(), window().palette().color(QPalette::ButtonText));
    // After a restart the stored folder is used, but the skin mode waits for the folder button.
    registry.writeString(kRoot, FmUserFolder::kFm2008Key, "Path", "D:\\FM08");
    registry.writeString(kRoot, FmUserFolder::kFm2008InstallKey, "Path", "C:\\Games\\FM2008");
    restart();
    const std::vector<std::string> stored {"D:\\FM09\\", "D:\\FM09\\", " D:\\FM09", "manual only"};
    EXPECT_EQ(userFolder(), stored);
    EXPECT_EQ(window().fmUserFolder().folders().fm2008ChosenFolder, "D:\\FM08");
    EXPECT_EQ(window().fmUserFolder().folders().fm2008InstallFolder, "C:\\Games\\FM2008");
    registry.failWrites("Failed to set data for 'Path'");
    clickAnswering("spbt", "E:\\Other");
    EXPECT_EQ(messages.errors(), std::vector<std::string> {"Failed to set data for 'Path'"});
    EXPECT_EQ(userFolder(), stored);
}

TEST_F(FmUserFolderTest, ResetGoesBackToTheDetectedFolderAndTheStartBackground)
{
    storeFolder("D:\\FM09");
    TForm1& form = start();
    clickAnswering("spbt", "D:\\FM09");
    ImageControl* background = named<ImageControl>(form, "Image1");
    background->move(40, 30);
    background->setPicture(QImage(7, 7, QImage::Format_ARGB32));
    click("resbt");
    EXPECT_EQ(form.fmUserFolder().folders().fm2009ChosenFolder, "");
    // The skin mode keeps what it had: the folder button had turned it on.
    EXPECT_EQ(userFolder(), inUse("/", true));
    EXPECT_EQ(storedFolder(), "");
    EXPECT_TRUE(registry.keyExists(kRoot, FmUserFolder::kFm2009Key));
    EXPECT_TRUE(named<QRadioButton>(form, "manrb")->isChecked());
    EXPECT_EQ(background->pos(), QPoint(8, 88));
    const QImage standard = pictures.load(programFolder() + "standard.jpg");
    EXPECT_EQ(background->picture(), standard);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(restart().catalogue().userFolder(), "/");

    // Without the standard picture the reset stops before the folder.
    storeFolder("D:\\FM09");
    restart();
    fs::remove(program / "standard.jpg");
    click("resbt");
    EXPECT_EQ(messages.errors().size(), 1U);
    EXPECT_TRUE(named<ImageControl>(window(), "Image1")->picture().isNull());
    EXPECT_EQ(storedFolder(), "D:\\FM09");
}

} // namespace
} // namespace tintabel::testing
