#include "app/ImageControl.h"
#include "app/Languages.h"
#include "app/StartupSequence.h"
#include "app/StatusBar.h"
#include "app/UpdateCheck.h"
#include "platform/Errors.h"
#include "support/EditorsFixture.h"
#include "support/ErrorText.h"
#include "support/WarningLog.h"

#include <QGroupBox>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>

namespace tintabel::testing {
namespace {

namespace fs = std::filesystem;

// What the session left in the temp folder, read-only or in sub-folders, goes with it; a failure
// to remove it is logged, never shown.
TEST_F(MainWindowFixture, TheTempFolderLivesWhileTheWindowIsOpen)
{
    TForm1& form = start();
    const fs::path temp = form.folders().temp;
    writeBytes(temp / "fm colours.xml", "<x/>");
    writeBytes(temp / "deeper/left.xml", "<y/>");
    fs::permissions(temp / "fm colours.xml", fs::perms::owner_read | fs::perms::group_read);
    click("exitbt");
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(fs::exists(temp));
    close();

    const fs::path kept = start().folders().temp;
    files.refuseWrites(kept.string());
    writeBytes(kept / "kept.xml", "<x/>");
    const WarningLog log;
    close();
    EXPECT_TRUE(fs::exists(kept / "kept.xml"));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(log.lines(),
        std::vector<std::string> {"tintabel.files: The temp folder could not be removed whole"});
}

TEST_F(MainWindowFixture, AnErrorInAStartUpStepEndsTheSequenceThereAndTheWindowStillOpens)
{
    // A language value of the wrong type cannot be read.
    registry.storeDword(RegistryRoot::LocalMachine, Languages::kKey, "lang", 1);
    TForm1& form = start();
    EXPECT_EQ(messages.errors(), std::vector<std::string> {"Invalid data type for 'lang'"});
    // Nothing after the failed step ran.
    EXPECT_EQ(form.updateCheck().programVersion(), "");
    EXPECT_TRUE(named<ImageControl>(form, "logoimg")->picture().isNull());
    click("polimg");
    EXPECT_EQ(named<QGroupBox>(form, "GroupBox1")->title(), "Menedżer kolorów");
}

// Stands in for a check whose server answers nonsense.
class FailingUpdateCheck : public StartupSequence {
public:
    using StartupSequence::StartupSequence;
    bool picturesLoaded = false;

protected:
    void checkForUpdate() override { throw ConversionError(notAnInteger("")); }
    void loadPictures() override
    {
        StartupSequence::loadPictures();
        picturesLoaded = true;
    }
};

TEST_F(MainWindowFixture, ErrorsOfTheUpdateCheckNeverStopTheStart)
{
    EXPECT_EQ(start().updateCheck().programVersion(), "2");
    FailingUpdateCheck sequence(window().startupParts());
    const WarningLog log;
    sequence.run();
    EXPECT_TRUE(sequence.picturesLoaded);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(log.lines(),
        std::vector<std::string> {"tintabel.update: The update check failed: " + notAnInteger("")});
}

// A hint is "short|long": the short one is the tool tip, the long one goes to the status bar.
TEST(StatusBarHints, SplitAtTheFirstBar)
{
    for (const auto& [hint, tip, statusTip] : {std::tuple {"|Long", "", "Long"},
             {"Back|Back to the detected folder|and more", "Back",
                 "Back to the detected folder|and more"},
             {"Both", "Both", "Both"}}) {
        QWidget control;
        StatusBar::setHint(control, hint);
        EXPECT_EQ(control.toolTip(), tip) << hint;
        EXPECT_EQ(control.statusTip(), statusTip) << hint;
    }
}

TEST_F(MainWindowFixture, APressOfAnyButtonOnTheFreeAreaTheLogoAndTwoGroupsMovesTheWindow)
{
    TForm1& form = start();
    showWindow();
    const std::tuple<const char*, Qt::MouseButton, QPoint, int> presses[] = {
        {"Form1", Qt::LeftButton, {1, 1}, 1},
        {"logoimg", Qt::LeftButton, {}, 1}, // a null point: the centre
        {"GroupBox2", Qt::RightButton, {100, 45}, 1},
        {"GroupBox3", Qt::MiddleButton, {200, 95}, 1},
        {"sllb", Qt::LeftButton, {}, 1}, // a caption inside a moving group
        {"StatusBar1", Qt::LeftButton, {}, 0},
        {"GroupBox1", Qt::LeftButton, {300, 260}, 0},
        {"Label5", Qt::RightButton, {}, 0},
        {"lsbt", Qt::LeftButton, {}, 0},
    };
    for (const auto& [name, button, point, moves] : presses) {
        SCOPED_TRACE(name);
        QWidget* control = std::string_view(name) == "Form1" ? &form : named<QWidget>(form, name);
        const QPoint at = point.isNull() ? control->rect().center() : point;
        QSignalSpy spy(&form, &TForm1::moveRequested);
        QTest::mousePress(control, button, {}, at);
        QTest::mouseRelease(control, button, {}, at);
        EXPECT_EQ(spy.count(), moves);
    }
}

// Files where the state and cache folders belong, and neither a runtime nor a temporary folder.
TEST_F(EditorsFixture, FoldersThatCannotBeMadeAreToldOnceAndTheProgramGoesOnWithoutThem)
{
    home.write(".local/state/veldo-tintabel", "");
    home.write(".cache/veldo-tintabel", "");
    services.environment.runtimeFolder.clear(); // and "tmp" is not there
    TForm1& form = loaded();
    retype(named<QLineEdit>(form, "re"), "123");
    clickAnswering("sctbt", home.withSlash() + "mine.ctm");
    home.write("fm.xml", readBytes(program / "fm colours09.xml"));
    clickAnswering("lsbt", home.withSlash() + "fm.xml");

    // The cache goes unmentioned: the update check does without it quietly.
    const std::string at = home.withSlash();
    const std::string state = "Cannot create folder \"" + at + ".local/state/veldo-tintabel\". ";
    const std::string temp = "Cannot create a folder in \"" + at + "tmp\". ";
    EXPECT_EQ(messages.errors(),
        (std::vector<std::string> {state + "File exists\n" + temp + "File not found",
            "Cannot create file \"" + at + "mine.ctm\". Path not found",
            "Cannot load \"" + at + "fm.xml\". Path not found"}));
}

} // namespace
} // namespace tintabel::testing
