#include "platform/CurlDownloader.h"

#include "support/HttpTestServer.h"
#include "support/TempFolder.h"

#include <chrono>
#include <gtest/gtest.h>

namespace tintabel {
namespace {

using namespace std::chrono_literals;
using testing::HttpTestServer;

// Callers tell only success and an unreachable server from every other failure.
constexpr std::uint32_t kOtherFailure = 1;
std::uint32_t kindOf(std::uint32_t code)
{
    return code == 0 || code == Downloader::kCannotConnect ? code : kOtherFailure;
}

class CurlDownloaderTest : public ::testing::Test {
protected:
    CurlDownloaderTest()
    {
        const std::string secret = "file://" + (tmp / "secret").string();
        tmp.write("secret", "local");
        server.respond("/orb.ini", {200, "[update]\r\nversion=3\r\n"});
        // A body that ends with the connection, without a stated length.
        server.respond("/plain", {200, "version=4", false});
        server.respond("/old", {301, "", true, {{"Location", "/plain"}}});
        server.respond("/broken", {500, "broken"});
        // A redirect that leads nowhere is no file, nor is one that leads off the web.
        server.respond("/moved", {302, "elsewhere"});
        server.respond("/away", {302, "", true, {{"Location", secret}}});
        server.respond("/announced", {200, std::string(kCap + 1, 'x'), true});
        server.respond("/unannounced", {200, std::string(kCap + 1, 'x'), false});
        server.respond("/full", {200, std::string(kCap, 'y'), false});
        server.neverAnswer("/silent");
    }

    // Downloads over an old file and gives the result's kind; the file is left in `file`.
    std::uint32_t download(const std::string& url, std::string destination = {})
    {
        tmp.write("orb.ini", "old");
        const std::uint32_t code = downloader.download(
            url, destination.empty() ? tmp.withSlash() + "\\orb.ini" : destination);
        file = tmp.read("orb.ini");
        return kindOf(code);
    }

    static constexpr std::size_t kCap = 64 * 1024;
    testing::TempFolder tmp;
    HttpTestServer server;
    // Short time-outs keep the unreachable cases quick; the cap is small enough to exceed.
    CurlDownloader downloader {Environment {}, 500ms, 1000ms, kCap};
    std::string file;
};

TEST_F(CurlDownloaderTest, OnlyAWholeBodyFromAWebAddressReplacesTheFile)
{
    const std::string hostAndPath = "127.0.0.1:" + std::to_string(server.port()) + "/orb.ini";
    for (const std::string& url : {"file://" + (tmp / "secret").string(), "ftp://" + hostAndPath,
             hostAndPath, std::string("gopher://127.0.0.1/"), std::string()}) {
        EXPECT_EQ(download(url), kOtherFailure) << url;
        EXPECT_EQ(file, "old") << url;
    }
    EXPECT_TRUE(server.requests().empty());

    const struct {
        const char* path;
        std::uint32_t kind;
        std::string file;
    } cases[] = {
        {"/orb.ini", 0, "[update]\r\nversion=3\r\n"},
        {"/plain", 0, "version=4"},
        {"/old", 0, "version=4"},
        {"/full", 0, std::string(kCap, 'y')},
        {"/nothing-here", kOtherFailure, "old"},
        {"/broken", kOtherFailure, "old"},
        {"/moved", kOtherFailure, "old"},
        {"/away", kOtherFailure, "old"},
        {"/announced", kOtherFailure, "old"},
        {"/unannounced", kOtherFailure, "old"},
        // Accepted but never answered: the total time-out ends it.
        {"/silent", Downloader::kCannotConnect, "old"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(download(server.url(c.path)), c.kind);
        EXPECT_EQ(file, c.file);
    }
    EXPECT_EQ(server.requests()[0], "/orb.ini");
}

TEST_F(CurlDownloaderTest, AnUnreachableServerOrAnUnwritableDestinationFails)
{
    const std::string refused
        = "http://127.0.0.1:" + std::to_string(HttpTestServer::refusedPort()) + "/orb.ini";
    EXPECT_EQ(download(refused), Downloader::kCannotConnect);
    EXPECT_EQ(file, "old");
    EXPECT_EQ(
        download(server.url("/orb.ini"), (tmp / "no/such/folder/orb.ini").string()), kOtherFailure);
    // A drive path without a Wine prefix names no place at all.
    EXPECT_EQ(download(server.url("/orb.ini"), "C:\\orb.ini"), kOtherFailure);
}

} // namespace
} // namespace tintabel
