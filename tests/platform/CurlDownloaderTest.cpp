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
constexpr std::size_t kCap = 64 * 1024;

class CurlDownloaderTest : public ::testing::Test {
protected:
    // Downloads over an old file and gives the result's kind; the file is left in `file`.
    std::uint32_t download(const std::string& url, std::string destination = {})
    {
        tmp.write("orb.ini", "old");
        const std::uint32_t code = downloader.download(
            url, destination.empty() ? tmp.withSlash() + "\\orb.ini" : destination);
        file = tmp.read("orb.ini");
        return code == 0 || code == Downloader::kCannotConnect ? code : kOtherFailure;
    }

    testing::TempFolder tmp;
    HttpTestServer server;
    // Short time-outs keep the unreachable cases quick; the cap is small enough to exceed.
    CurlDownloader downloader {Environment {}, 500ms, 1000ms, kCap};
    std::string file;
};

TEST_F(CurlDownloaderTest, OnlyAWholeBodyFromAWebAddressReplacesTheFile)
{
    const std::string secret = "file://" + (tmp / "secret").string();
    tmp.write("secret", "local");
    const std::string hostAndPath = "127.0.0.1:" + std::to_string(server.port()) + "/orb.ini";
    for (const std::string& url :
        {secret, "ftp://" + hostAndPath, hostAndPath, std::string("gopher://127.0.0.1/"), {}}) {
        EXPECT_EQ(download(url), kOtherFailure) << url;
        EXPECT_EQ(file, "old") << url;
    }
    EXPECT_TRUE(server.requests().empty());

    const std::tuple<const char*, HttpTestServer::Response, std::uint32_t, std::string> cases[] = {
        {"/orb.ini", {200, "[update]\r\nversion=3\r\n"}, 0, "[update]\r\nversion=3\r\n"},
        // A body that ends with the connection, without a stated length.
        {"/plain", {200, "version=4", false}, 0, "version=4"},
        {"/old", {301, "", true, {{"Location", "/plain"}}}, 0, "version=4"},
        {"/full", {200, std::string(kCap, 'y'), false}, 0, std::string(kCap, 'y')},
        {"/broken", {500, "broken"}, kOtherFailure, "old"},
        // A redirect that leads nowhere is no file, nor is one that leads off the web.
        {"/moved", {302, "elsewhere"}, kOtherFailure, "old"},
        {"/away", {302, "", true, {{"Location", secret}}}, kOtherFailure, "old"},
        {"/announced", {200, std::string(kCap + 1, 'x'), true}, kOtherFailure, "old"},
        {"/unannounced", {200, std::string(kCap + 1, 'x'), false}, kOtherFailure, "old"},
        {"/nothing-here", {404, "not found"}, kOtherFailure, "old"},
    };
    for (const auto& [path, response, kind, content] : cases)
        server.respond(path, response);
    for (const auto& [path, response, kind, content] : cases) {
        EXPECT_EQ(download(server.url(path)), kind) << path;
        EXPECT_EQ(file, content) << path;
    }
    EXPECT_EQ(server.requests()[0], "/orb.ini");
}

TEST_F(CurlDownloaderTest, AnUnreachableServerOrAnUnwritableDestinationFails)
{
    // Accepted but never answered: the total time-out ends it.
    server.neverAnswer("/silent");
    server.respond("/orb.ini", {200, "version=3"});
    for (const std::string& url : {server.url("/silent"),
             "http://127.0.0.1:" + std::to_string(HttpTestServer::refusedPort()) + "/orb.ini"}) {
        EXPECT_EQ(download(url), Downloader::kCannotConnect) << url;
        EXPECT_EQ(file, "old");
    }
    EXPECT_EQ(
        download(server.url("/orb.ini"), (tmp / "no/such/folder/orb.ini").string()), kOtherFailure);
    // A drive path without a Wine prefix names no place at all.
    EXPECT_EQ(download(server.url("/orb.ini"), "C:\\orb.ini"), kOtherFailure);
}

} // namespace
} // namespace tintabel
