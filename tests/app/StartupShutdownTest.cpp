#include "app/ImageControl.h"
#include "app/Languages.h"
#include "app/StartupSequence.h"
#include "app/StatusBar.h"
#include "app/UpdateCheck.h"
#include "platform/Errors.h"
#include "support/ErrorText.h"
#include "support/MainWindowFixture.h"

#include <QEnterEvent>
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

TEST_F(MainWindowFixture, TheExitButtonClosesTheWindowAndTakesTheTempFolderWithIt)
{
    TForm1& form = start();
    EXPECT_EQ(form.updateCheck().programVersion(), "2");
    writeBytes(form.folders().temp + "/fm colours.xml", "<x/>");
    QTest::mouseClick(named<QPushButton>(form, "exitbt"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(fs::exists(form.folders().temp));
    close();
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MainWindowFixture, AFailureToRemoveTheTempFolderPassesSilently)
{
    const fs::path temp = start().folders().temp;
    files.refuseWrites(temp.string());
    writeBytes(temp / "kept.xml", "<x/>");
    const WarningLog log;
    close();
    EXPECT_TRUE(fs::exists(temp / "kept.xml"));
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
    EXPECT_EQ(named<QGroupBox>(form, "GroupBox1")->title(), "Colours manager");

    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(named<ImageControl>(form, "polimg"), Qt::LeftButton);
    EXPECT_EQ(named<QGroupBox>(form, "GroupBox1")->title(), "Menedżer kolorów");
}

// Stands in for a check whose server answers nonsense.
class FailingUpdateCheck : public StartupSequence {
public:
    using StartupSequence::StartupSequence;

protected:
    void checkForUpdate() override { throw ConversionError(testing::notAnInteger("")); }
    void loadPictures() override
    {
        StartupSequence::loadPictures();
        picturesLoaded = true;
    }

public:
    bool picturesLoaded = false;
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

TEST_F(MainWindowFixture, TheStatusBarFollowsTheLongHintOfTheControlUnderTheMouse)
{
    TForm1& form = start();
    named<StatusBar>(form, "StatusBar1")
        ->setText("New version is available! Click here to begin downloading!");
    StatusBar::setHint(*named<QPushButton>(form, "spbt"), "| Current path (FM 2009) is /");
    EXPECT_EQ(named<QPushButton>(form, "spbt")->toolTip(), "");

    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(named<QPushButton>(form, "spbt"), &enter);
    EXPECT_EQ(named<StatusBar>(form, "StatusBar1")->text(), " Current path (FM 2009) is /");
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(named<QPushButton>(form, "spbt"), &leave);
    EXPECT_EQ(named<StatusBar>(form, "StatusBar1")->text(), "");
    // Controls without a hint leave the text alone.
    named<StatusBar>(form, "StatusBar1")->setText("kept");
    QCoreApplication::sendEvent(named<QPushButton>(form, "resbt"), &enter);
    EXPECT_EQ(named<StatusBar>(form, "StatusBar1")->text(), "kept");

    StatusBar::setHint(
        *named<QPushButton>(form, "resbt"), "Back|Back to the detected folder|and more");
    EXPECT_EQ(named<QPushButton>(form, "resbt")->toolTip(), "Back");
    EXPECT_EQ(
        named<QPushButton>(form, "resbt")->statusTip(), "Back to the detected folder|and more");
}

class WindowMove : public MainWindowFixture {
protected:
    int movesAfterPressOn(QWidget* control, Qt::MouseButton button, QPoint at = {})
    {
        QSignalSpy moves(&window(), &TForm1::moveRequested);
        QTest::mousePress(control, button, {}, at.isNull() ? control->rect().center() : at);
        QTest::mouseRelease(control, button, {}, at.isNull() ? control->rect().center() : at);
        return static_cast<int>(moves.count());
    }
};

TEST_F(WindowMove, AnyButtonOnTheFreeAreaTheLogoAndTwoGroupsMovesTheWindow)
{
    TForm1& form = start();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(movesAfterPressOn(named<StatusBar>(form, "StatusBar1"), Qt::LeftButton), 0);
    EXPECT_EQ(movesAfterPressOn(&form, Qt::LeftButton, {1, 1}), 1);
    EXPECT_EQ(movesAfterPressOn(named<ImageControl>(form, "logoimg"), Qt::LeftButton), 1);
    EXPECT_EQ(
        movesAfterPressOn(named<QGroupBox>(form, "GroupBox2"), Qt::RightButton, {100, 45}), 1);
    EXPECT_EQ(
        movesAfterPressOn(named<QGroupBox>(form, "GroupBox3"), Qt::MiddleButton, {200, 95}), 1);
    // A caption inside a moving group moves the window too; a disabled button is no handle.
    EXPECT_EQ(movesAfterPressOn(named<QLabel>(form, "sllb"), Qt::LeftButton), 1);

    EXPECT_EQ(
        movesAfterPressOn(named<QGroupBox>(form, "GroupBox1"), Qt::LeftButton, {300, 260}), 0);
    EXPECT_EQ(movesAfterPressOn(named<QLabel>(form, "Label5"), Qt::RightButton), 0);
    EXPECT_EQ(movesAfterPressOn(named<QPushButton>(form, "lsbt"), Qt::LeftButton), 0);
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace tintabel::testing
