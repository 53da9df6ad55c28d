#include "app/UpdateCheck.h"

#include "app/Languages.h"
#include "app/StatusBar.h"
#include "platform/CurlDownloader.h"
#include "support/MainWindowFixture.h"

#include <QTest>

#include <filesystem>

namespace tintabel::testing {
namespace {

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

// The window asks the update server for orb.ini while it starts; the downloader answers as the
// test says.
class UpdateCheckTest : public MainWindowFixture {
protected:
    UpdateCheckTest()
    {
        services.environment.updateServer = "http://updates.example:8080";
        // With a chosen FM folder the start-up has no missing-folder text to put over the offer.
        registry.writeString(RegistryRoot::LocalMachine, "\\SOFTWARE\\VELDO\\orb\\path\\fm2009",
            "Path", home.path().string());
    }

    TForm1& startServed(const std::string& ini)
    {
        downloader.queueFile(ini);
        return restart();
    }

    StatusBar* statusBar() { return named<StatusBar>(window(), "StatusBar1"); }
    void clickStatusBar() { QTest::mouseClick(statusBar(), Qt::LeftButton); }

    // Whether the status bar offers the update, and whether a click opens kPage.
    ::testing::AssertionResult offersThePage(bool offered)
    {
        const bool shown = statusBar()->text() == kOffer
            && statusBar()->cursor().shape() == Qt::PointingHandCursor;
        if (shown != offered || window().updateCheck().updateAvailable() != offered)
            return ::testing::AssertionFailure()
                << "status bar \"" << statusBar()->text().toStdString() << "\", offered " << shown;
        const std::size_t before = shell.opened().size();
        clickStatusBar();
        if (shell.opened().size() != before + (offered ? 1 : 0))
            return ::testing::AssertionFailure()
                << "a click opened " << shell.opened().size() - before;
        if (offered
            && (shell.opened().back().target != kPage
                || shell.opened().back().show != ShowWindow::Maximised))
            return ::testing::AssertionFailure()
                << "a click opened " << shell.opened().back().target;
        return ::testing::AssertionSuccess();
    }
};

TEST_F(UpdateCheckTest, ANewerVersionIsOfferedAndTheFileIsKeptBesideTheProgram)
{
    startServed(updateIni("3"));
    ASSERT_EQ(downloader.requested().size(), 1u);
    EXPECT_EQ(downloader.requested()[0].url, "http://updates.example:8080/orb.ini");
    EXPECT_EQ(downloader.requested()[0].destination, programFolder() + "\\orb.ini");
    EXPECT_EQ(program.read("orb.ini"), updateIni("3"));
    EXPECT_TRUE(offersThePage(true));
    // A hint may have replaced the offer: the click still opens the page.
    statusBar()->setText("| Current path (FM 2009) is /");
    clickStatusBar();
    EXPECT_EQ(shell.opened().size(), 2u);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(UpdateCheckTest, TheOfferSpeaksTheLanguageInForce)
{
    registry.writeString(RegistryRoot::LocalMachine, Languages::kKey, Languages::kValue, "Polish");
    startServed(updateIni("3"));
    EXPECT_EQ(statusBar()->text(), "Jest nowsza wersja! Kliknij tu by rozpocząć pobieranie!");
}

// The version is read by the integer text rule and compared with the program's, 2; the address
// is taken whatever the version says, and only an http or https one goes to the shell.
TEST_F(UpdateCheckTest, OnlyANewerVersionWithAWebAddressOpensThePage)
{
    struct Case {
        const char* version;
        const char* url;
        bool offered;
        bool opens;
    };
    const Case cases[] = {
        {"3", kPage, true, true},
        {"2", kPage, false, false},
        {"$A", kPage, true, true},
        {"3a", kPage, false, false},
        {"99999999999", kPage, false, false},
        {"3", "", true, false},
        {"3", "HTTP://veldo.example:8443/get?v=3#now", true, true},
        {"3", "file:///etc/passwd", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " " + c.url);
        startServed(updateIni(c.version, c.url));
        EXPECT_EQ(window().updateCheck().updateUrl(), c.url);
        EXPECT_EQ(window().updateCheck().updateAvailable(), c.offered);
        EXPECT_EQ(statusBar()->text() == kOffer, c.offered);
        const std::size_t before = shell.opened().size();
        clickStatusBar();
        EXPECT_EQ(shell.opened().size(), before + (c.opens ? 1 : 0));
    }
    EXPECT_TRUE(messages.shown().empty());
    for (const char* address : {"https://veldo.example", "http://veldo.example/x"})
        EXPECT_TRUE(UpdateCheck::isWebAddress(address)) << address;
    for (const char* address : {"/usr/bin/xterm", "C:\\x.exe", "javascript:alert(1)",
             "www.veldo.example", "ftp://veldo.example/orb.zip", "http://", "http:///x",
             " http://veldo.example", "file://veldo.example/x"})
        EXPECT_FALSE(UpdateCheck::isWebAddress(address)) << address;
}

// A server that could not be reached, or that accepted and never answered (its time-out is the
// downloader's), leaves the file of an earlier run unread; one that answered with an error leaves
// it to be read.
TEST_F(UpdateCheckTest, AFailedDownloadLeavesTheOldFileReadOnlyWhenTheServerAnswered)
{
    program.write("orb.ini", updateIni("3"));
    restart(); // nothing queued: the server cannot be reached
    EXPECT_TRUE(offersThePage(false));
    EXPECT_EQ(window().updateCheck().updateUrl(), "");

    downloader.queueResult(CurlDownloader::kHttpError);
    restart();
    EXPECT_TRUE(offersThePage(true));
    EXPECT_EQ(program.read("orb.ini"), updateIni("3"));

    std::filesystem::remove(program / "orb.ini");
    downloader.queueResult(CurlDownloader::kHttpError);
    restart();
    EXPECT_TRUE(offersThePage(false));
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace tintabel::testing
