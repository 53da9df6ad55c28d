#include "support/HttpTestServer.h"
#include "support/TempFolder.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tintabel::testing {
namespace {

namespace fs = std::filesystem;
using Contents = std::map<std::string, std::string>; // every file in a folder, by its name

Contents contentsOf(const fs::path& folder)
{
    Contents contents;
    for (const auto& entry : fs::directory_iterator(folder))
        contents[entry.path().filename().string()] = readBytes(entry.path());
    return contents;
}

// Starts tintabel_save_loop (tests/saves/helper) and returns once its first save is done and it
// has stopped itself; SIGCONT lets it go on.
pid_t startSaving(
    const char* step, const fs::path& folder, const std::string& server, int first, int count = -1)
{
    const std::string firstText = std::to_string(first);
    const std::string countText = std::to_string(count);
    const pid_t child = ::fork();
    if (child == 0) {
        ::execl(TINTABEL_SAVE_LOOP, TINTABEL_SAVE_LOOP, step, folder.c_str(), server.c_str(),
            firstText.c_str(), countText.c_str(), nullptr);
        ::_exit(127);
    }
    int status = 0;
    // Never hand on 0 or -1: killing those would reach the test itself.
    if (child < 0 || ::waitpid(child, &status, WUNTRACED) != child || !WIFSTOPPED(status))
        throw std::runtime_error("the first save failed");
    return child;
}

// Waits for the process to end; its exit status, -1 when it was killed.
int exitStatus(pid_t process)
{
    int status = 0;
    ::waitpid(process, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Lets a stopped process go on and waits for it to end. A process is sent SIGCONT only while it
// is stopped: one that came as it ended would cancel the stop by which a sanitized build's leak
// check holds it at exit, and both would then wait for ever.
int finish(pid_t process)
{
    ::kill(process, SIGCONT);
    return exitStatus(process);
}

TEST(KillTest, EveryReplacedFileIsTheOldOrTheNewOneWholeAndNoTemporaryOutlivesTheNextSave)
{
    HttpTestServer server;
    server.respond("/0", {200, "[update]\nversion=2.0\nurl=http://a.example/\n"});
    server.respond("/1", {200, "[update]\nversion=2.1\n"});
    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    for (const char* step : {"Scheme", "SaveToSkin", "Settings", "UpdateAnswer"}) {
        SCOPED_TRACE(step);
        TempFolder folder;
        Contents versions[2];
        for (int version : {0, 1}) {
            const pid_t once = startSaving(step, folder.path(), server.url(""), version, 1);
            versions[version] = contentsOf(folder.path());
            ASSERT_EQ(finish(once), 0);
        }
        for (const auto& [file, content] : versions[0])
            ASSERT_NE(content, versions[1][file]) << file;

        int halfDone = 0;
        for (int kill = 0; kill < 50; ++kill) {
            const pid_t loop = startSaving(step, folder.path(), server.url(""), kill % 2);
            // Its first save removed what the last killed one left.
            EXPECT_EQ(contentsOf(folder.path()), versions[kill % 2]) << "kill " << kill;
            ::kill(loop, SIGCONT);
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 30'000));
            ::kill(loop, SIGKILL);
            ASSERT_EQ(exitStatus(loop), -1);
            const Contents killed = contentsOf(folder.path());
            for (const auto& [file, content] : versions[0]) {
                ASSERT_TRUE(killed.at(file) == content || killed.at(file) == versions[1][file])
                    << file << " after kill " << kill;
            }
            halfDone += killed.size() > versions[0].size();
        }
        EXPECT_GT(halfDone, 0) << "no kill met a save half done";

        // Two running copies never take each other's temporaries for stale ones.
        const pid_t one = startSaving(step, folder.path(), server.url(""), 0, 40);
        const pid_t other = startSaving(step, folder.path(), server.url(""), 1, 40);
        ::kill(other, SIGCONT);
        EXPECT_EQ(finish(one), 0);
        EXPECT_EQ(exitStatus(other), 0);
    }
}

} // namespace
} // namespace tintabel::testing
