#include "app/UpdateCheck.h"

#include "app/ImageControl.h"
#include "app/StatusBar.h"
#include "platform/CurlDownloader.h"
#include "support/HttpTestServer.h"
#include "support/MainWindowFixture.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <chrono>
#include <filesystem>
#include <memory>

namespace tintabel::testing {
namespace {

using namespace std::chrono_literals;

constexpr const char* kOffer = "New version is available! Click here to begin downloading!";
constexpr const char* kPage = "https://veldo.example/tintabel/download.html";

std::string updateIni(std::string_view version, std::string_view url = kPage)
{
    std::string text
        = "[other]\r\nversion=9\r\n[update]\r\nversion=" + std::string(version) + "\r\n";
    if (!url.empty())
        text += "url=" + std::string(url) + "\r\n";
    return text;
}

// The main window as the program builds it, with the real downloader pointed at a server of the
// test's own.
class UpdateCheckTest : public MainWindowFixture {
protected:
    UpdateCheckTest()
        : web {
            .files = files,
            .registry = registry,
            .dialogs = dialogs,
            .messages = messages,
            .shell = shell,
            .downloader = curl,
            .pictures = pictures,
            .environment = environment,
            .programFile = services.programFile,
        }
    {
        pointAt(server.url(""));
        // With a chosen FM folder the start-up has no missing-folder text to put over the offer.
        registry.writeString(RegistryRoot::LocalMachine, "\\SOFTWARE\\VELDO\\orb\\path\\fm2009",
            "Path", home.path().string());
    }

    ~UpdateCheckTest() override { m_form.reset(); }

    void pointAt(const std::string& address) { web.environment.updateServer = address; }

    void serve(const std::string& ini) { server.respond("/orb.ini", {200, ini}); }

    TForm1& startChecked()
    {
        m_form.reset();
        m_form = std::make_unique<TForm1>(web);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !m_form->updateCheck().running(); }));
        return *m_form;
    }

    TForm1& form() { return *m_form; }
    void clickStatusBar()
    {
        QTest::mouseClick(named<StatusBar>(*m_form, "StatusBar1"), Qt::LeftButton);
    }

    ::testing::AssertionResult offered()
    {
        const std::string text = named<StatusBar>(*m_form, "StatusBar1")->text().toStdString();
        const bool hand
            = named<StatusBar>(*m_form, "StatusBar1")->cursor().shape() == Qt::PointingHandCursor;
        if (m_form->updateCheck().updateAvailable() && hand && text == kOffer)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
            << "status bar \"" << text << "\", hand " << hand << ", available "
            << m_form->updateCheck().updateAvailable();
    }

    ::testing::AssertionResult notOffered()
    {
        if (m_form->updateCheck().updateAvailable()
            || named<StatusBar>(*m_form, "StatusBar1")->text() == kOffer
            || named<StatusBar>(*m_form, "StatusBar1")->cursor().shape() != Qt::ArrowCursor)
            return ::testing::AssertionFailure() << "an update is offered";
        clickStatusBar();
        if (!shell.opened().empty())
            return ::testing::AssertionFailure() << "a click opened " << shell.opened()[0].target;
        return ::testing::AssertionSuccess();
    }

    HttpTestServer server;
    // Only a server's answer ends a download before the test's own waits do.
    CurlDownloader curl {environment, 500ms, 60s, 64 * 1024};
    Services web;
    std::unique_ptr<TForm1> m_form;
};

TEST_F(UpdateCheckTest, TheSameVersionOffersNothingButTheFileAndAddressAreKept)
{
    serve(updateIni("2"));
    TForm1& form = startChecked();
    EXPECT_EQ(server.requests(), std::vector<std::string> {"/orb.ini"});
    EXPECT_EQ(program.read("orb.ini"), updateIni("2"));
    EXPECT_EQ(form.updateCheck().updateUrl(), kPage);
    EXPECT_TRUE(notOffered());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(UpdateCheckTest, ANewerVersionIsOfferedAndAClickOpensItsPageMaximised)
{
    serve(updateIni("3"));
    startChecked();
    ASSERT_TRUE(offered());
    QTest::mouseClick(named<StatusBar>(form(), "StatusBar1"), Qt::RightButton);
    EXPECT_TRUE(shell.opened().empty());
    clickStatusBar();
    ASSERT_EQ(shell.opened().size(), 1u);
    EXPECT_EQ(shell.opened()[0].target, kPage);
    EXPECT_EQ(shell.opened()[0].show, ShowWindow::Maximised);

    // A hint may have replaced the offer: the click still opens the page.
    named<StatusBar>(form(), "StatusBar1")->setText("| Current path (FM 2009) is /");
    clickStatusBar();
    EXPECT_EQ(shell.opened().size(), 2u);
    EXPECT_TRUE(messages.shown().empty());
}

// The answer is read in the language in force when it arrives; closing the window before it
// abandons the download, and the answer is never read.
TEST_F(UpdateCheckTest, TheWindowShowsBeforeTheAnswerWhichOnlyAnOpenWindowReads)
{
    for (const bool closed : {false, true}) {
        program.write("orb.ini", updateIni("2"));
        server.neverAnswer("/orb.ini"); // until answerHeld
        m_form = std::make_unique<TForm1>(web);
        TForm1& form = *m_form;
        form.show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !server.requests().empty(); }));
        EXPECT_TRUE(form.updateCheck().running());
        QTest::mouseClick(named<ImageControl>(form, "polimg"), Qt::LeftButton);
        EXPECT_TRUE(notOffered());
        if (closed)
            form.close();
        server.answerHeld({200, updateIni("3")});
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form.updateCheck().running(); }));
        EXPECT_EQ(program.read("orb.ini"), updateIni(closed ? "2" : "3"));
        EXPECT_EQ(named<StatusBar>(form, "StatusBar1")->text()
                == QStringLiteral(u"Jest nowsza wersja! Kliknij tu by rozpocząć pobieranie!"),
            !closed);
        EXPECT_EQ(named<StatusBar>(form, "StatusBar1")->cursor().shape() == Qt::PointingHandCursor,
            !closed);
    }
}

TEST_F(UpdateCheckTest, AnOfferWithoutAnAddressOpensNothing)
{
    serve(updateIni("3", ""));
    TForm1& form = startChecked();
    EXPECT_TRUE(offered());
    EXPECT_EQ(form.updateCheck().updateUrl(), "");
    clickStatusBar();
    EXPECT_TRUE(shell.opened().empty());
}

TEST_F(UpdateCheckTest, OnlyWebAddressesAreHandedToTheShell)
{
    for (const char* address : {"file:///etc/passwd", "C:\\x.exe", "/usr/bin/xterm",
             "javascript:alert(1)", "www.veldo.example", "http:///x"}) {
        SCOPED_TRACE(address);
        serve(updateIni("3", address));
        TForm1& form = startChecked();
        EXPECT_TRUE(offered());
        EXPECT_EQ(form.updateCheck().updateUrl(), address);
        clickStatusBar();
        EXPECT_TRUE(shell.opened().empty());
    }

    EXPECT_TRUE(UpdateCheck::isWebAddress("http://veldo.example"));
    EXPECT_TRUE(UpdateCheck::isWebAddress("HTTPS://veldo.example:8443/get?v=3#now"));
    EXPECT_FALSE(UpdateCheck::isWebAddress("ftp://veldo.example/orb.zip"));
    EXPECT_FALSE(UpdateCheck::isWebAddress("http://"));
    EXPECT_FALSE(UpdateCheck::isWebAddress(" file:///etc/passwd"));
    EXPECT_FALSE(UpdateCheck::isWebAddress("file://veldo.example/x"));
    EXPECT_FALSE(UpdateCheck::isWebAddress(""));
}

TEST_F(UpdateCheckTest, VersionsAreReadByTheIntegerTextRule)
{
    // The quotes keep the blank, which the file's own trimming would take.
    for (const char* newer : {"\" 3\"", "3", "+3", "$A", "0x10"}) {
        SCOPED_TRACE(newer);
        serve(updateIni(newer));
        startChecked();
        EXPECT_TRUE(offered());
    }
    for (const char* notNewer : {"\"3 \"", "3a", "", "three", "-3", "99999999999"}) {
        SCOPED_TRACE(notNewer);
        serve(updateIni(notNewer));
        TForm1& form = startChecked();
        EXPECT_TRUE(notOffered());
        // The address is taken before the version is read.
        EXPECT_EQ(form.updateCheck().updateUrl(), kPage);
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(UpdateCheckTest, AnUnreachableServerLeavesAnOldFileUnreadAndInPlace)
{
    program.write("orb.ini", updateIni("3"));
    pointAt("http://127.0.0.1:" + std::to_string(HttpTestServer::refusedPort()));
    TForm1& form = startChecked();
    EXPECT_TRUE(notOffered());
    EXPECT_EQ(form.updateCheck().updateUrl(), "");
    EXPECT_EQ(program.read("orb.ini"), updateIni("3"));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(UpdateCheckTest, AServerThatAnswersWithAnErrorLeavesTheOldFileToBeRead)
{
    // Nothing served: 404.
    startChecked();
    EXPECT_TRUE(notOffered());
    EXPECT_EQ(form().updateCheck().updateUrl(), "");
    EXPECT_TRUE(messages.shown().empty());

    program.write("orb.ini", updateIni("3"));
    TForm1& form = startChecked();
    EXPECT_TRUE(offered());
    EXPECT_EQ(form.updateCheck().updateUrl(), kPage);
    EXPECT_EQ(program.read("orb.ini"), updateIni("3"));
}

// The built program against a server that never answers. TINTABEL_SCREENSHOT has it save a
// picture of its window and then close the window as the user would.
TEST(ProgramUpdateCheck, ClosingEndsTheProgramAtOnceAndTheOptionKeepsItOffTheNetwork)
{
    for (const auto& [arguments, requests] :
        {std::pair {QStringList(), std::vector<std::string> {"/orb.ini"}},
            {QStringList("--no-update-check"), {}}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        HttpTestServer server;
        server.neverAnswer("/orb.ini");
        const TempFolder folder;
        const QString screenshot = QString::fromStdString((folder / "window.png").string());
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TINTABEL_UPDATE_URL", QString::fromStdString(server.url("")));
        environment.insert("TINTABEL_SCREENSHOT", screenshot);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TINTABEL_PROGRAM), arguments);
        while (!QFile::exists(screenshot) && program.state() != QProcess::NotRunning)
            QTest::qWait(5);
        // The picture is saved just before the window closes.
        EXPECT_TRUE(program.waitForFinished(1000)) << "still running a second after closing";
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        EXPECT_EQ(server.requests(), requests);
    }
}

} // namespace
} // namespace tintabel::testing
