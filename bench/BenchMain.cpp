#include <QApplication>

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

// Benchmarks that drive widgets need an application; like the tests they run on the offscreen
// platform, with a home and settings folders of their own under /tmp.
int main(int argc, char** argv)
{
    std::string home = (std::filesystem::temp_directory_path() / "tintabel-bench-XXXXXX").string();
    if (!mkdtemp(home.data()))
        return 1;
    setenv("HOME", home.c_str(), 1);
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        setenv(variable, (home + "/" + variable).c_str(), 1);
    unsetenv("WINEPREFIX");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return 0;
}
