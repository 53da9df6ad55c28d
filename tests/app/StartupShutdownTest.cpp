#include "app/ImageControl.h"
#include "app/Languages.h"
#include "app/StartupSequence.h"
#include "app/StatusBar.h"
#include "app/UpdateCheck.h"
#include "platform/Errors.h"
#include "support/ErrorText.h"
#include "support/MainWindowFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>

namespace tintabel::testing {
namespace {

namespace fs = std::filesystem;

// The warnings logged while it lives, as "category: text".
class WarningLog {
public:
    WarningLog()
        : m_previous(qInstallMessageHandler(&WarningLog::record))
    {
        s_lines.clear();
    }
    ~WarningLog() { qInstallMessageHandler(m_previous); }
    const std::vector<std::string>& lines() const { return s_lines; }

private:
    static void record(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtWarningMsg)
            s_lines.push_back(std::string(context.category) + ": " + text.toStdString());
    }

    static inline std::vector<std::string> s_lines;
    QtMessageHandler m_previous;
};

TEST_F(MainWindowFixture, TheTempFolderLivesWhileTheWindowIsOpen)
{
    TForm1& form = start();
    EXPECT_EQ(form.folders().temp, programFolder() + "\\temp");
    EXPECT_EQ(form.updateCheck().programVersion(), "2");
    ASSERT_TRUE(fs::is_directory(program / "temp"));

    // What the session left there, read-only or in sub-folders, goes with it.
    program.write("temp/fm colours.xml", "<x/>");
    program.write("temp/deeper/left.xml", "<y/>");
    fs::permissions(program / "temp/fm colours.xml", fs::perms::owner_read | fs::perms::group_read);
    QTest::mouseClick(named<QPushButton>(form, "exitbt"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(fs::exists(program / "temp"));
    EXPECT_TRUE(fs::exists(program / "help"));
    close();
    EXPECT_TRUE(messages.shown().empty());

    // A failure to remove it is logged, never shown.
    start();
    files.refuseWrites(programFolder() + "temp");
    program.write("temp/kept.xml", "<x/>");
    const WarningLog log;
    close();
    EXPECT_TRUE(fs::exists(program / "temp/kept.xml"));
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
    // The folders of the first step are set; nothing after the failed step ran.
    EXPECT_TRUE(fs::is_directory(program / "temp"));
    EXPECT_EQ(form.updateCheck().programVersion(), "");
    EXPECT_TRUE(named<ImageControl>(form, "logoimg")->picture().isNull());

    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(named<ImageControl>(form, "polimg"), Qt::LeftButton);
    EXPECT_EQ(named<QGroupBox>(form, "GroupBox1")->title(), "Menedżer kolorów");
}

// Stands in for a check whose server answers nonsense.
class FailingUpdateCheck : public StartupSequence {
public:
    using StartupSequence::StartupSequence;
    bool picturesLoaded = false;

protected:
    void checkForUpdate() override { throw ConversionError(testing::notAnInteger("")); }
    void loadPictures() override
    {
        StartupSequence::loadPictures();
        picturesLoaded = true;
    }
};

TEST_F(MainWindowFixture, ErrorsOfTheUpdateCheckNeverStopTheStart)
{
    TForm1& form = start();
    FailingUpdateCheck sequence(form.startupParts());
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
    const std::tuple<const char*, const char*, const char*> hints[] {
        {"| Current path (FM 2009) is /", "", " Current path (FM 2009) is /"},
        {"Back|Back to the detected folder|and more", "Back",
            "Back to the detected folder|and more"},
        {"Both", "Both", "Both"},
    };
    for (const auto& [hint, tip, statusTip] : hints) {
        QWidget control;
        StatusBar::setHint(control, hint);
        EXPECT_EQ(control.toolTip(), tip) << hint;
        EXPECT_EQ(control.statusTip(), statusTip) << hint;
    }
}

TEST_F(MainWindowFixture, APressOfAnyButtonOnTheFreeAreaTheLogoAndTwoGroupsMovesTheWindow)
{
    TForm1& form = start();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    struct Press {
        const char* control;
        Qt::MouseButton button;
        QPoint at; // null: the centre
        int moves;
    };
    const Press presses[] = {
        {"Form1", Qt::LeftButton, {1, 1}, 1},
        {"logoimg", Qt::LeftButton, {}, 1},
        {"GroupBox2", Qt::RightButton, {100, 45}, 1},
        {"GroupBox3", Qt::MiddleButton, {200, 95}, 1},
        // A caption inside a moving group moves the window too.
        {"sllb", Qt::LeftButton, {}, 1},
        {"StatusBar1", Qt::LeftButton, {}, 0},
        {"GroupBox1", Qt::LeftButton, {300, 260}, 0},
        {"Label5", Qt::RightButton, {}, 0},
        {"lsbt", Qt::LeftButton, {}, 0},
    };
    for (const Press& press : presses) {
        SCOPED_TRACE(press.control);
        QWidget* control = std::string_view(press.control) == "Form1"
            ? &form
            : named<QWidget>(form, press.control);
        const QPoint at = press.at.isNull() ? control->rect().center() : press.at;
        QSignalSpy moves(&form, &TForm1::moveRequested);
        QTest::mousePress(control, press.button, {}, at);
        QTest::mouseRelease(control, press.button, {}, at);
        EXPECT_EQ(moves.count(), press.moves);
    }
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace tintabel::testing
