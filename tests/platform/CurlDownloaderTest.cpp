#include "platform/CurlDownloader.h"

#include "support/HttpTestServer.h"
#include "support/TempFolder.h"

#include <chrono>
#include <gtest/gtest.h>

namespace tintabel {
namespace {

using namespace std::chrono_literals;
using testing::HttpTestServer;

// A failure of another kind than an unreachable server.
::testing::AssertionResult otherFailure(std::uint32_t code)
{
    if (code == 0 || code == Downloader::kCannotConnect)
        return ::testing::AssertionFailure() << "the code is " << std::hex << code;
    return ::testing::AssertionSuccess();
}

class CurlDownloaderTest : public ::testing::Test {
protected:
    testing::TempFolder tmp;
    HttpTestServer server;
    // Short time-outs keep the unreachable cases quick; the cap is small enough to exceed.
    CurlDownloader downloader {Environment {}, 500ms, 1000ms, 64 * 1024};

    std::string destination() const { return (tmp / "orb.ini").string(); }
    void keepOldFile() const { tmp.write("orb.ini", "old"); }
    std::string file() const { return tmp.read("orb.ini"); }
};

TEST_F(CurlDownloaderTest, AWholeBodyReplacesTheFile)
{
    keepOldFile();
    server.respond("/orb.ini", {200, "[update]\r\nversion=3\r\n"});
    EXPECT_EQ(downloader.download(server.url("/orb.ini"), destination()), 0u);
    EXPECT_EQ(file(), "[update]\r\nversion=3\r\n");

    // A body that ends with the connection, without a stated length.
    server.respond("/plain", {200, "version=4", false});
    EXPECT_EQ(downloader.download(server.url("/plain"), destination()), 0u);
    EXPECT_EQ(file(), "version=4");
    EXPECT_EQ(server.requests(), (std::vector<std::string> {"/orb.ini", "/plain"}));
}

TEST_F(CurlDownloaderTest, TheDestinationIsAPathTextAsTheProgramBuildsIt)
{
    server.respond("/orb.ini", {200, "x"});
    EXPECT_EQ(downloader.download(server.url("/orb.ini"), tmp.withSlash() + "\\orb.ini"), 0u);
    EXPECT_EQ(file(), "x");
}

TEST_F(CurlDownloaderTest, RedirectsAreFollowed)
{
    server.respond("/old", {301, "", true, {{"Location", "/orb.ini"}}});
    server.respond("/orb.ini", {200, "moved"});
    EXPECT_EQ(downloader.download(server.url("/old"), destination()), 0u);
    EXPECT_EQ(file(), "moved");
}

TEST_F(CurlDownloaderTest, AnHttpErrorKeepsTheOldFile)
{
    keepOldFile();
    server.respond("/orb.ini", {500, "broken"});
    // A redirect that leads nowhere is no file either.
    server.respond("/moved", {302, "elsewhere"});
    EXPECT_TRUE(otherFailure(downloader.download(server.url("/nothing-here"), destination())));
    EXPECT_TRUE(otherFailure(downloader.download(server.url("/orb.ini"), destination())));
    EXPECT_TRUE(otherFailure(downloader.download(server.url("/moved"), destination())));
    EXPECT_EQ(file(), "old");
}

TEST_F(CurlDownloaderTest, ABodyOverTheCapIsCutOffAndKeepsTheOldFile)
{
    keepOldFile();
    const std::string huge(200 * 1024, 'x');
    server.respond("/announced", {200, huge, true});
    server.respond("/unannounced", {200, huge, false});
    EXPECT_TRUE(otherFailure(downloader.download(server.url("/announced"), destination())));
    EXPECT_TRUE(otherFailure(downloader.download(server.url("/unannounced"), destination())));
    EXPECT_EQ(file(), "old");
    // Exactly at the cap is still whole.
    server.respond("/full", {200, std::string(64 * 1024, 'y'), false});
    EXPECT_EQ(downloader.download(server.url("/full"), destination()), 0u);
    EXPECT_EQ(file().size(), 64u * 1024u);
}

TEST_F(CurlDownloaderTest, AnUnreachableServerCannotConnect)
{
    keepOldFile();
    const std::string refused
        = "http://127.0.0.1:" + std::to_string(HttpTestServer::refusedPort()) + "/orb.ini";
    EXPECT_EQ(downloader.download(refused, destination()), Downloader::kCannotConnect);

    // Accepted but never answered: the total time-out ends it.
    server.neverAnswer("/orb.ini");
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(
        downloader.download(server.url("/orb.ini"), destination()), Downloader::kCannotConnect);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 10s);
    EXPECT_EQ(file(), "old");
}

TEST_F(CurlDownloaderTest, OnlyWebAddressesAreFetched)
{
    keepOldFile();
    tmp.write("secret", "local");
    server.respond("/orb.ini", {200, "x"});
    const std::string hostAndPath = "127.0.0.1:" + std::to_string(server.port()) + "/orb.ini";
    for (const std::string& url : {"file://" + (tmp / "secret").string(), "ftp://" + hostAndPath,
             hostAndPath, std::string("gopher://127.0.0.1/"), std::string()}) {
        EXPECT_TRUE(otherFailure(downloader.download(url, destination()))) << url;
    }
    EXPECT_EQ(file(), "old");
    EXPECT_TRUE(server.requests().empty());

    // A redirect cannot lead off the web either.
    server.respond("/away", {302, "", true, {{"Location", "file://" + (tmp / "secret").string()}}});
    EXPECT_TRUE(otherFailure(downloader.download(server.url("/away"), destination())));
    EXPECT_EQ(file(), "old");
}

TEST_F(CurlDownloaderTest, ADestinationThatCannotBeWrittenFails)
{
    server.respond("/orb.ini", {200, "x"});
    EXPECT_TRUE(otherFailure(
        downloader.download(server.url("/orb.ini"), (tmp / "no/such/folder/orb.ini").string())));
    // A drive path without a Wine prefix names no place at all.
    EXPECT_TRUE(otherFailure(downloader.download(server.url("/orb.ini"), "C:\\orb.ini")));
}

} // namespace
} // namespace tintabel
