#include "app/UpdateCheck.h"

#include "app/ImageControl.h"
#include "app/StatusBar.h"
#include "platform/CurlDownloader.h"
#include "platform/Errors.h"
#include "support/HttpTestServer.h"
#include "support/MainWindowFixture.h"
#include "support/WarningLog.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <chrono>
#include <filesystem>

namespace tintabel::testing {
namespace {

using namespace std::chrono_literals;

constexpr const char* kOffer = "New version is available! Click here to begin downloading!";
constexpr const char* kPage = "https://veldo.example/tintabel/download.html";

std::string updateIni(std::string_view version, std::string_view url = kPage)
{
    return "[other]\r\nversion=9\r\n[update]\r\nversion=" + std::string(version) + "\r\n"
        + (url.empty() ? "" : "url=" + std::string(url) + "\r\n");
}

// The window asks the update server for orb.ini while it starts; the downloader answers as the
// test says. A server that accepted and never answered is the downloader's own time-out.
class UpdateCheckTest : public MainWindowFixture {
protected:
    UpdateCheckTest()
    {
        services.environment.updateServer = "http://updates.example:8080";
        // With a chosen FM folder the start-up has no missing-folder text to put over the offer.
        registry.writeString(RegistryRoot::LocalMachine, "\\SOFTWARE\\VELDO\\orb\\path\\fm2009",
            "Path", home.path().string());
    }
    QString status() { return named<StatusBar>(window(), "StatusBar1")->text(); }
    // How many pages a click on the status bar opens.
    std::size_t opensOnClick()
    {
        const std::size_t before = shell.opened().size();
        click("StatusBar1");
        return shell.opened().size() - before;
    }
};

TEST_F(UpdateCheckTest, ANewerVersionIsOfferedAndAClickOpensItsPage)
{
    downloader.queueFile(updateIni("3"));
    start();
    ASSERT_EQ(downloader.requested().size(), 1u);
    EXPECT_EQ(downloader.requested()[0].url, "http://updates.example:8080/orb.ini");
    EXPECT_EQ(downloader.requested()[0].destination,
        home.withSlash() + ".cache/veldo-tintabel/\\orb.ini");
    EXPECT_EQ(status(), kOffer);
    EXPECT_EQ(opensOnClick(), 1u);
    EXPECT_EQ(shell.opened().back().target, kPage);
    EXPECT_EQ(shell.opened().back().show, ShowWindow::Maximised);
    // A hint may have replaced the offer: the click still opens the page.
    named<StatusBar>(window(), "StatusBar1")->setText("|Hint");
    EXPECT_EQ(opensOnClick(), 1u);
    // Only the left button opens it.
    QTest::mouseClick(named<StatusBar>(window(), "StatusBar1"), Qt::RightButton);
    EXPECT_EQ(shell.opened().size(), 2u);
    EXPECT_TRUE(messages.shown().empty());
}

// With the real downloader and a server that answers when the test says: the window shows before
// the answer, which is read in the language in force when it arrives; closing the window abandons
// the download, and the answer is never read.
TEST_F(UpdateCheckTest, TheWindowShowsBeforeTheAnswerWhichOnlyAnOpenWindowReads)
{
    HttpTestServer server;
    // Only a server's answer ends a download before the test's own waits do.
    CurlDownloader curl {environment, 500ms, 60s, 64 * 1024};
    Services web {files, registry, dialogs, messages, shell, curl, pictures, environment,
        services.programFile};
    web.environment.updateServer = server.url("");
    const std::string cached = ".cache/veldo-tintabel/orb.ini";
    for (const bool closed : {false, true}) {
        SCOPED_TRACE(closed);
        home.write(cached, updateIni("2"));
        server.neverAnswer("/orb.ini"); // until answerHeld
        TForm1 form(web);
        form.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !server.requests().empty(); }));
        EXPECT_TRUE(form.updateCheck().running());
        QTest::mouseClick(named<ImageControl>(form, "polimg"), Qt::LeftButton);
        EXPECT_FALSE(form.updateCheck().updateAvailable());
        if (closed)
            form.close();
        server.answerHeld({200, updateIni("3")});
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form.updateCheck().running(); }));
        EXPECT_EQ(home.read(cached), updateIni(closed ? "2" : "3"));
        const StatusBar& bar = *named<StatusBar>(form, "StatusBar1");
        EXPECT_EQ(
            bar.text() == u"Jest nowsza wersja! Kliknij tu by rozpocząć pobieranie!", !closed);
        EXPECT_EQ(bar.cursor().shape() == Qt::PointingHandCursor, !closed);
    }
}

// A download that cannot be made at all, its library missing, ends the check quietly: the
// reason goes to the log, not to the user.
TEST_F(UpdateCheckTest, ADownloadThatRaisesEndsTheCheckWithAWarning)
{
    struct MissingLibrary : Downloader {
        using Downloader::download;
        std::uint32_t download(std::string_view, std::string_view, std::stop_token) override
        {
            throw Error("Cannot open the download library: gone");
        }
    } missing;
    Services withoutLibrary {files, registry, dialogs, messages, shell, missing, pictures,
        environment, services.programFile};
    const WarningLog log;
    TForm1 form(withoutLibrary);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.updateCheck().running(); }));
    EXPECT_FALSE(form.updateCheck().updateAvailable());
    EXPECT_EQ(log.lines(),
        std::vector<std::string> {
            "tintabel.update: The update check failed: Cannot open the download library: gone"});
    EXPECT_TRUE(messages.shown().empty());
}

// The version is read by the integer text rule and compared with the program's, 2; the address
// is taken whatever the version says, and only an http or https one goes to the shell. Without
// an answer the file of an earlier run is not read; an answer with an error leaves it to be read.
TEST_F(UpdateCheckTest, OnlyANewerVersionWithAWebAddressOpensThePage)
{
    struct Case {
        const char* version; // nullptr: the download fails
        const char* url;
        bool offered;
        int opens;
    };
    const Case cases[] = {
        {"3", kPage, true, 1}, {"2", kPage, false, 0}, {"$A", kPage, true, 1},
        {"3a", kPage, false, 0}, {"99999999999", kPage, false, 0}, {"3", "", true, 0},
        {"3", "HTTP://veldo.example:8443/get?v=3#now", true, 1},
        {"3", "file:///etc/passwd", true, 0}, {"3", "javascript:alert(1)", true, 0},
        {"3", "http:///x", true, 0}, {nullptr, "", false, 0}, // an earlier run's offer, not read
        {nullptr, kPage, true, 1}, // read, the server answered with an error
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.version ? c.version : "failed") + " " + c.url);
        if (c.version) {
            downloader.queueFile(updateIni(c.version, c.url));
        } else {
            home.write(".cache/veldo-tintabel/orb.ini", updateIni("3"));
            if (*c.url)
                downloader.queueResult(CurlDownloader::kHttpError);
        }
        restart();
        EXPECT_EQ(window().updateCheck().updateUrl(), c.url);
        EXPECT_EQ(window().updateCheck().updateAvailable(), c.offered);
        EXPECT_EQ(status() == kOffer, c.offered);
        EXPECT_EQ(opensOnClick(), std::size_t(c.opens));
    }
    EXPECT_TRUE(messages.shown().empty());
    for (const char* address : {"C:\\x.exe", "www.veldo.example", "ftp://veldo.example/orb.zip",
             "http://", " http://veldo.example", "file://veldo.example/x"})
        EXPECT_FALSE(UpdateCheck::isWebAddress(address)) << address;
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
