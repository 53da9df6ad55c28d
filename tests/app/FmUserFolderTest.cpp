#include "app/FmUserFolder.h"

#include "UserFolderFixture.h"
#include "app/ImageControl.h"
#include "app/Languages.h"
#include "app/SkinCatalogueHandlers.h"
#include "app/StatusBar.h"
#include "platform/PictureLoader.h"

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
    QColor statusColour()
    {
        return named<StatusBar>(window(), "StatusBar1")->palette().color(QPalette::WindowText);
    }
    void hoverOnAndOff(QWidget* control, QString& whileOn)
    {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(control, &enter);
        whileOn = named<StatusBar>(window(), "StatusBar1")->text();
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(control, &leave);
    }
    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
};

TEST_F(FmUserFolderTest, TheGamesLocationFileNamesTheFolderInsideTheWinePrefix)
{
    const fs::path driveC = makeWinePrefix();
    locateGameFolder("C:\\Games\\FM");
    TForm1& form = start();
    EXPECT_EQ(form.fmUserFolder().folders().fm2009DetectedFolder, "C:\\Games\\FM");
    EXPECT_EQ(form.fmUserFolder().folders().fm2009DetectedFolderSlash, "C:\\Games\\FM/");
    EXPECT_EQ(userFolder(), inUse("C:\\Games\\FM/"));
    EXPECT_TRUE(fs::is_directory(driveC / "Games/FM/skins"));
    EXPECT_TRUE(named<QRadioButton>(form, "skinrb")->isEnabled());
    EXPECT_EQ(named<StatusBar>(form, "StatusBar1")->text(), "");
    // The FM 2008 skins folder is made in the prefix's documents, for every user.
    EXPECT_EQ(form.fmUserFolder().folders().documentsFolder,
        (driveC / "users/tester/Documents").string());
    EXPECT_EQ(form.fmUserFolder().folders().fm2008DefaultFolder,
        form.fmUserFolder().folders().documentsFolder
            + "\\Sports Interactive\\Football Manager 2008\\");
    EXPECT_TRUE(fs::is_directory(
        driveC / "users/tester/Documents/Sports Interactive/Football Manager 2008/skins"));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(FmUserFolderTest, OfTwoValuChildrenTheSecondWins)
{
    writeLocationFile(R"(<record>
        <string id="valu" value="X/first"/>
        <string id="valu" value="X/second"/>
    </record>)");
    start();
    EXPECT_EQ(userFolder(), inUse("/second/"));
}

TEST_F(FmUserFolderTest, WithNoFolderKnownTheSkinModeIsOffAndTheStatusBarSaysSoInRed)
{
    writeLocationFile(R"(<record><string id="name" value="XC:\Games\FM"/></record>)");
    TForm1& form = start();
    EXPECT_EQ(form.fmUserFolder().folders().fm2009DetectedFolder, "");
    EXPECT_EQ(userFolder(), inUse("/"));
    EXPECT_FALSE(named<QRadioButton>(form, "skinrb")->isEnabled());
    EXPECT_EQ(named<StatusBar>(form, "StatusBar1")->text(), kMissingFolder);
    EXPECT_EQ(statusColour(), QColor(Qt::red));
    EXPECT_TRUE(
        fs::is_directory(home / "Documents/Sports Interactive/Football Manager 2008/skins"));

    // It stays until the mouse reaches the folder button, whose hint then follows the mouse.
    QString whileOn;
    hoverOnAndOff(named<QPushButton>(form, "resbt"), whileOn);
    EXPECT_EQ(named<StatusBar>(form, "StatusBar1")->text(), kMissingFolder);
    hoverOnAndOff(named<QPushButton>(form, "spbt"), whileOn);
    EXPECT_EQ(whileOn, " Current path (FM 2009) is /");
    EXPECT_EQ(named<StatusBar>(form, "StatusBar1")->text(), "");
}

TEST_F(FmUserFolderTest, AChosenFolderIsUsedButTheSkinModeWaitsForTheFolderButton)
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
    EXPECT_FALSE(named<QRadioButton>(form, "skinrb")->isEnabled());
    EXPECT_EQ(named<StatusBar>(form, "StatusBar1")->text(), "");

    dialogs.queueAnswer("D:\\FM09");
    click(named<QPushButton>(form, "spbt"));
    EXPECT_TRUE(named<QRadioButton>(form, "skinrb")->isEnabled());
}

TEST_F(FmUserFolderTest, TheFolderButtonStoresTheChosenFolderAndGoesBackToManualLoading)
{
    TForm1& form = start();
    dialogs.queueCancel();
    click(named<QPushButton>(form, "spbt"));
    EXPECT_EQ(registry.writeCount(), 0);
    EXPECT_EQ(userFolder(), inUse("/"));
    EXPECT_FALSE(named<QRadioButton>(form, "skinrb")->isEnabled());

    dialogs.queueAnswer("D:\\FM09");
    click(named<QPushButton>(form, "spbt"));
    EXPECT_EQ(storedFolder(), "D:\\FM09");
    EXPECT_EQ(userFolder(), inUse("D:\\FM09\\"));
    EXPECT_TRUE(named<QRadioButton>(form, "skinrb")->isEnabled());
    EXPECT_TRUE(named<QRadioButton>(form, "manrb")->isChecked());
    EXPECT_TRUE(named<QPushButton>(form, "lsbt")->isEnabled());
    EXPECT_FALSE(named<QListWidget>(form, "lista1")->isEnabled());
    // The red message loses its colour but keeps its text until a hint replaces it.
    EXPECT_EQ(named<StatusBar>(form, "StatusBar1")->text(), kMissingFolder);
    EXPECT_EQ(statusColour(), form.palette().color(QPalette::ButtonText));
    EXPECT_NE(statusColour(), QColor(Qt::red));
    EXPECT_EQ(restart().catalogue().userFolder(), "D:\\FM09\\");
}

TEST_F(FmUserFolderTest, ARefusedWriteOfTheChosenFolderChangesNothing)
{
    TForm1& form = start();
    registry.failWrites("Failed to set data for 'Path'");
    dialogs.queueAnswer("D:\\FM09");
    click(named<QPushButton>(form, "spbt"));
    EXPECT_EQ(messages.errors(), std::vector<std::string> {"Failed to set data for 'Path'"});
    EXPECT_EQ(userFolder(), inUse("/"));
    EXPECT_FALSE(named<QRadioButton>(form, "skinrb")->isEnabled());
}

TEST_F(FmUserFolderTest, ResetGoesBackToTheDetectedFolderAndTheStartBackground)
{
    storeFolder("D:\\FM09");
    TForm1& form = start();
    dialogs.queueAnswer("D:\\FM09");
    click(named<QPushButton>(form, "spbt"));
    named<ImageControl>(form, "Image1")->move(40, 30);
    named<ImageControl>(form, "Image1")->setPicture(QImage(7, 7, QImage::Format_ARGB32));

    click(named<QPushButton>(form, "resbt"));
    EXPECT_EQ(form.fmUserFolder().folders().fm2009ChosenFolder, "");
    EXPECT_EQ(userFolder(), inUse("/"));
    EXPECT_EQ(storedFolder(), "");
    EXPECT_TRUE(registry.keyExists(kRoot, FmUserFolder::kFm2009Key));
    // The skin mode keeps what it had: the folder button had turned it on.
    EXPECT_TRUE(named<QRadioButton>(form, "skinrb")->isEnabled());
    EXPECT_TRUE(named<QRadioButton>(form, "manrb")->isChecked());
    EXPECT_EQ(named<ImageControl>(form, "Image1")->pos(), QPoint(8, 88));
    const QImage standard = pictures.load(programFolder() + "standard.jpg");
    EXPECT_EQ(named<ImageControl>(form, "Image1")->picture(), standard);
    EXPECT_EQ(named<ImageControl>(form, "Image1")->size(), standard.size());
    EXPECT_TRUE(messages.shown().empty());

    EXPECT_EQ(restart().catalogue().userFolder(), "/");
    EXPECT_FALSE(named<QRadioButton>(window(), "skinrb")->isEnabled());
}

TEST_F(FmUserFolderTest, WithoutTheStandardPictureResetStopsBeforeTheFolder)
{
    storeFolder("D:\\FM09");
    TForm1& form = start();
    fs::remove(program / "standard.jpg");
    click(named<QPushButton>(form, "resbt"));
    ASSERT_EQ(messages.errors().size(), 1U);
    EXPECT_TRUE(named<ImageControl>(form, "Image1")->picture().isNull());
    EXPECT_EQ(form.catalogue().userFolder(), "D:\\FM09\\");
    EXPECT_EQ(storedFolder(), "D:\\FM09");
}

TEST_F(FmUserFolderTest, HintsStayEnglishAndTheRedTextKeepsItsStartLanguage)
{
    registry.writeString(kRoot, Languages::kKey, Languages::kValue, "Polish");
    TForm1& form = start();
    const QString polish = QString::fromStdString(form.languages().texts().msgNoUserFolder);
    EXPECT_TRUE(polish.startsWith("Nie odnaleźiono"));
    EXPECT_EQ(named<StatusBar>(form, "StatusBar1")->text(), polish);
    EXPECT_EQ(named<QPushButton>(form, "spbt")->statusTip(), " Current path (FM 2009) is /");

    click(named<ImageControl>(form, "engimg"));
    EXPECT_EQ(named<QPushButton>(form, "spbt")->text(), "Locate user data folder");
    EXPECT_EQ(named<StatusBar>(form, "StatusBar1")->text(), polish);
    click(named<ImageControl>(form, "polimg"));
    dialogs.queueAnswer("D:\\FM09");
    click(named<QPushButton>(form, "spbt"));
    EXPECT_EQ(
        named<QPushButton>(form, "spbt")->statusTip(), " Current path (FM 2009) is D:\\FM09\\");
}

TEST_F(FmUserFolderTest, AValuChildWithoutValueIsReportedAndTheWindowStillOpens)
{
    writeLocationFile(R"(<record><string id="valu"/></record>)");
    TForm1& form = start();
    EXPECT_EQ(messages.errors(),
        std::vector<std::string> {"Could not convert variant of type (Null) into type (String)"});
    // The steps after the detection did not run.
    EXPECT_EQ(form.catalogue().userFolder(), "");
    EXPECT_TRUE(named<ImageControl>(form, "logoimg")->picture().isNull());
    EXPECT_FALSE(named<QRadioButton>(form, "skinrb")->isEnabled());
    showWindow();
    EXPECT_TRUE(form.isVisible());
}

} // namespace
} // namespace tintabel::testing
