#include "app/FmUserFolder.h"

#include "UserFolderFixture.h"
#include "app/ImageControl.h"
#include "app/Languages.h"
#include "app/SkinCatalogueHandlers.h"
#include "app/StatusBar.h"

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
constexpr const char* kMissingFolder
    = "Cant find the \"FM 2008 user data\" folder. Check help section.";

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
    // The folder in use as each of its three holders has it.
    std::vector<std::string> userFolder()
    {
        TForm1& form = window();
        return {form.catalogue().userFolder(), named<QLabel>(form, "Label8")->text().toStdString(),
            named<QPushButton>(form, "spbt")->statusTip().toStdString()};
    }
    static std::vector<std::string> inUse(const std::string& folder)
    {
        return {folder, folder, " Current path (FM 2009) is " + folder};
    }
    QString status() { return named<StatusBar>(window(), "StatusBar1")->text(); }
    QColor statusColour()
    {
        return named<StatusBar>(window(), "StatusBar1")->palette().color(QPalette::WindowText);
    }
    // The status bar's text while the mouse is on the control.
    QString hoverOnAndOff(const char* control)
    {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(named<QWidget>(window(), control), &enter);
        const QString whileOn = status();
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(named<QWidget>(window(), control), &leave);
        return whileOn;
    }
    void click(const char* control)
    {
        QTest::mouseClick(named<QWidget>(window(), control), Qt::LeftButton);
    }
    void choose(const char* folder)
    {
        dialogs.queueAnswer(folder);
        click("spbt");
    }
    bool skinModeEnabled() { return named<QRadioButton>(window(), "skinrb")->isEnabled(); }
};

// The FM 2008 skins folder is made too, in the documents, for every user.
TEST_F(FmUserFolderTest, TheGamesLocationFileNamesTheFolderInsideTheWinePrefix)
{
    const fs::path driveC = makeWinePrefix();
    locateGameFolder("C:\\Games\\FM");
    start();
    EXPECT_EQ(userFolder(), inUse("C:\\Games\\FM/"));
    EXPECT_TRUE(fs::is_directory(driveC / "Games/FM/skins"));
    EXPECT_TRUE(fs::is_directory(
        driveC / "users/tester/Documents/Sports Interactive/Football Manager 2008/skins"));
    EXPECT_TRUE(skinModeEnabled());
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(FmUserFolderTest, WithNoFolderKnownTheSkinModeIsOffAndTheStatusBarSaysSoInRed)
{
    writeLocationFile(R"(<record><string id="name" value="XC:\Games\FM"/></record>)");
    start();
    EXPECT_EQ(userFolder(), inUse("/"));
    EXPECT_FALSE(skinModeEnabled());
    EXPECT_EQ(status(), kMissingFolder);
    EXPECT_EQ(statusColour(), QColor(Qt::red));
    EXPECT_TRUE(
        fs::is_directory(home / "Documents/Sports Interactive/Football Manager 2008/skins"));

    // It stays until the mouse reaches the folder button, whose hint then follows the mouse.
    hoverOnAndOff("resbt");
    EXPECT_EQ(status(), kMissingFolder);
    EXPECT_EQ(hoverOnAndOff("spbt"), " Current path (FM 2009) is /");
    EXPECT_EQ(status(), "");
}

TEST_F(FmUserFolderTest, AStoredFolderIsUsedButTheSkinModeWaitsForTheFolderButton)
{
    storeFolder("D:\\FM09");
    registry.writeString(kRoot, FmUserFolder::kFm2008Key, "Path", "D:\\FM08");
    registry.writeString(kRoot, FmUserFolder::kFm2008InstallKey, "Path", "C:\\Games\\FM2008");
    TForm1& form = start();
    EXPECT_EQ(form.catalogue().userFolder(), "D:\\FM09\\");
    EXPECT_EQ(named<QLabel>(form, "Label8")->text(), "D:\\FM09\\");
    EXPECT_EQ(named<QPushButton>(form, "spbt")->statusTip(), " D:\\FM09");
    EXPECT_EQ(form.fmUserFolder().folders().fm2008ChosenFolder, "D:\\FM08");
    EXPECT_EQ(form.fmUserFolder().folders().fm2008InstallFolder, "C:\\Games\\FM2008");
    EXPECT_FALSE(skinModeEnabled());
    EXPECT_EQ(status(), "");
}

TEST_F(FmUserFolderTest, TheFolderButtonStoresTheChosenFolderAndGoesBackToManualLoading)
{
    start();
    dialogs.queueCancel();
    click("spbt");
    EXPECT_EQ(registry.writeCount(), 0);
    EXPECT_FALSE(skinModeEnabled());

    choose("D:\\FM09");
    EXPECT_EQ(storedFolder(), "D:\\FM09");
    EXPECT_EQ(userFolder(), inUse("D:\\FM09\\"));
    EXPECT_TRUE(skinModeEnabled());
    EXPECT_TRUE(named<QRadioButton>(window(), "manrb")->isChecked());
    EXPECT_TRUE(named<QPushButton>(window(), "lsbt")->isEnabled());
    EXPECT_FALSE(named<QListWidget>(window(), "lista1")->isEnabled());
    // The red message loses its colour but keeps its text until a hint replaces it.
    EXPECT_EQ(status(), kMissingFolder);
    EXPECT_EQ(statusColour(), window().palette().color(QPalette::ButtonText));
    EXPECT_NE(statusColour(), QColor(Qt::red));
    EXPECT_EQ(restart().catalogue().userFolder(), "D:\\FM09\\");

    registry.failWrites("Failed to set data for 'Path'");
    choose("E:\\Other");
    EXPECT_EQ(messages.errors(), std::vector<std::string> {"Failed to set data for 'Path'"});
    EXPECT_EQ(userFolder()[0], "D:\\FM09\\");
    EXPECT_FALSE(skinModeEnabled());
}

TEST_F(FmUserFolderTest, ResetGoesBackToTheDetectedFolderAndTheStartBackground)
{
    storeFolder("D:\\FM09");
    TForm1& form = start();
    choose("D:\\FM09");
    ImageControl* background = named<ImageControl>(form, "Image1");
    background->move(40, 30);
    background->setPicture(QImage(7, 7, QImage::Format_ARGB32));

    click("resbt");
    EXPECT_EQ(form.fmUserFolder().folders().fm2009ChosenFolder, "");
    EXPECT_EQ(userFolder(), inUse("/"));
    EXPECT_EQ(storedFolder(), "");
    EXPECT_TRUE(registry.keyExists(kRoot, FmUserFolder::kFm2009Key));
    // The skin mode keeps what it had: the folder button had turned it on.
    EXPECT_TRUE(skinModeEnabled());
    EXPECT_TRUE(named<QRadioButton>(form, "manrb")->isChecked());
    EXPECT_EQ(background->pos(), QPoint(8, 88));
    const QImage standard = pictures.load(programFolder() + "standard.jpg");
    EXPECT_EQ(background->picture(), standard);
    EXPECT_EQ(background->size(), standard.size());
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

TEST_F(FmUserFolderTest, HintsStayEnglishAndTheRedTextKeepsItsStartLanguage)
{
    registry.writeString(kRoot, Languages::kKey, Languages::kValue, "Polish");
    start();
    const QString polish = QString::fromStdString(window().languages().texts().msgNoUserFolder);
    EXPECT_TRUE(polish.startsWith("Nie odnaleźiono"));
    EXPECT_EQ(status(), polish);
    EXPECT_EQ(named<QPushButton>(window(), "spbt")->statusTip(), " Current path (FM 2009) is /");
    click("engimg");
    EXPECT_EQ(status(), polish);
    click("polimg");
    choose("D:\\FM09");
    EXPECT_EQ(userFolder(), inUse("D:\\FM09\\"));
}

} // namespace
} // namespace tintabel::testing
