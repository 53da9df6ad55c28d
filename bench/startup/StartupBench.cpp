// How long the program takes from its start to the first paint of its window, beside a bare Qt
// Widgets window of the same size (tintabel_bare_window), on a virtual X display of the
// benchmark's own. The two programs start alternately, once with the update server refusing
// connections and once with a server that accepts and never answers; the benchmark prints the
// medians and the ratio program / bare window, whose goal is at most 1.3.
//
//     build/bench/tintabel_startup_bench [--rounds N]      (default 15 runs of each)
//
// The first paint is seen from outside, as the X server's DAMAGE report of the first pixels
// drawn into a new window, so neither program is asked anything. Each window is then closed as
// a window manager would, and the time the program takes to end after that is shown too.

#include "SilentServer.h"
#include "VirtualDisplay.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using tintabel::bench::SilentServer;
using tintabel::bench::VirtualDisplay;
using Clock = VirtualDisplay::Clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

struct Run {
    double toPaint = 0; // ms from the start of the process
    double toEnd = 0; // ms from the close request to the end of the process
};

pid_t spawn(const std::string& program, const std::vector<std::string>& environment)
{
    std::vector<char*> variables;
    for (const std::string& variable : environment)
        variables.push_back(const_cast<char*>(variable.c_str()));
    variables.push_back(nullptr);
    char* arguments[] = {const_cast<char*>(program.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t process = -1;
    const int failed
        = posix_spawn(&process, program.c_str(), &actions, nullptr, arguments, variables.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(failed));
    return process;
}

// Waits for the process to end, killing it after the deadline; true when it ended by itself.
bool reap(pid_t process, Clock::time_point deadline)
{
    while (Clock::now() < deadline) {
        if (::waitpid(process, nullptr, WNOHANG) == process)
            return true;
        std::this_thread::sleep_for(1ms);
    }
    ::kill(process, SIGKILL);
    ::waitpid(process, nullptr, 0);
    return false;
}

Run measure(VirtualDisplay& display, const std::string& program,
    const std::vector<std::string>& environment)
{
    const Clock::time_point start = Clock::now();
    const pid_t process = spawn(program, environment);
    const auto paint = display.waitForFirstPaint(start + 30s);
    if (!paint) {
        reap(process, Clock::now());
        throw std::runtime_error(program + " showed no window within 30 s");
    }
    if (paint->width != 724 || paint->height != 324)
        std::fprintf(stderr, "note: %s painted a %d x %d window first\n", program.c_str(),
            paint->width, paint->height);
    const Clock::time_point closing = Clock::now();
    display.close(paint->window);
    if (!reap(process, closing + 10s))
        std::fprintf(stderr, "note: %s was killed 10 s after its window closed\n", program.c_str());
    return {Milliseconds(paint->at - start).count(), Milliseconds(Clock::now() - closing).count()};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string loadAverage()
{
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// A home of the benchmark's own, so that the program reads and writes none of the user's files.
std::vector<std::string> environmentFor(const VirtualDisplay& display,
    const std::filesystem::path& home, const std::string& updateServer)
{
    std::vector<std::string> variables;
    for (const char* kept : {"PATH", "LANG", "LC_ALL", "XDG_RUNTIME_DIR"}) {
        if (const char* value = std::getenv(kept))
            variables.push_back(std::string(kept) + "=" + value);
    }
    variables.push_back("DISPLAY=" + display.name());
    variables.push_back("QT_QPA_PLATFORM=xcb");
    variables.push_back("HOME=" + home.string());
    variables.push_back("XDG_CONFIG_HOME=" + (home / ".config").string());
    variables.push_back("XDG_DATA_HOME=" + (home / ".local/share").string());
    variables.push_back("XDG_CACHE_HOME=" + (home / ".cache").string());
    variables.push_back("XDG_DOCUMENTS_DIR=" + (home / "Documents").string());
    variables.push_back("TINTABEL_UPDATE_URL=" + updateServer);
    return variables;
}

} // namespace

int main(int argc, char** argv)
{
    int rounds = 15;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else {
            std::fprintf(stderr, "usage: %s [--rounds N]\n", argv[0]);
            return 2;
        }
    }
    try {
        std::string folder = (std::filesystem::temp_directory_path() / "tintabel-startup-XXXXXX");
        if (!mkdtemp(folder.data()))
            throw std::runtime_error("cannot make a temporary home");
        const std::filesystem::path home = folder;
        VirtualDisplay display;
        SilentServer silent;
        const struct {
            const char* name;
            std::string address;
        } servers[] = {
            {"refusing", "http://127.0.0.1:" + std::to_string(SilentServer::refusingPort())},
            {"never answering", "http://127.0.0.1:" + std::to_string(silent.port())},
        };
        const std::string programs[] = {TINTABEL_BARE_WINDOW, TINTABEL_PROGRAM};

        const std::string loadBefore = loadAverage();
        std::printf("Start-up to first paint on Xvfb %s, medians of %d runs each\n",
            display.name().c_str(), rounds);
        std::printf("%-17s %12s %12s %7s   %s\n", "update server", "bare window", "tintabel",
            "ratio", "ended after closing (bare / tintabel)");
        for (const auto& server : servers) {
            const auto environment = environmentFor(display, home, server.address);
            std::vector<Run> runs[2];
            for (const std::string& program : programs)
                measure(display, program, environment); // caches warmed, folders made
            for (int round = 0; round < rounds; ++round) {
                // Alternating, and each first in turn, so that a change of load hits both alike.
                for (int i = 0; i < 2; ++i) {
                    const int which = (round + i) % 2;
                    runs[which].push_back(measure(display, programs[which], environment));
                }
            }
            double paint[2];
            double end[2];
            for (int which = 0; which < 2; ++which) {
                std::vector<double> toPaint, toEnd;
                for (const Run& run : runs[which]) {
                    toPaint.push_back(run.toPaint);
                    toEnd.push_back(run.toEnd);
                }
                paint[which] = median(toPaint);
                end[which] = median(toEnd);
            }
            std::printf("%-17s %9.1f ms %9.1f ms %7.2f   %.1f ms / %.1f ms\n", server.name,
                paint[0], paint[1], paint[1] / paint[0], end[0], end[1]);
        }
        std::printf(
            "load average before: %s, after: %s\n", loadBefore.c_str(), loadAverage().c_str());
        std::filesystem::remove_all(home);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
