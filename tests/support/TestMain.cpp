#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

// Every test process runs with a home, settings and data folders of its own, so that no test
// can read or change the real user's files, and no test sees what another one left behind.
std::filesystem::path isolateEnvironment()
{
    std::string pattern
        = (std::filesystem::temp_directory_path() / "tintabel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        std::abort();
    const std::filesystem::path root = pattern;
    const auto folder = [&root](const char* name) {
        std::filesystem::create_directories(root / name);
        return (root / name).string();
    };
    setenv("HOME", folder("home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", folder("home/.config").c_str(), 1);
    setenv("XDG_DATA_HOME", folder("home/.local/share").c_str(), 1);
    setenv("XDG_CACHE_HOME", folder("home/.cache").c_str(), 1);
    setenv("XDG_DOCUMENTS_DIR", folder("home/Documents").c_str(), 1);
    unsetenv("WINEPREFIX");
    unsetenv("TINTABEL_UPDATE_URL");
    if (!getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return root;
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path root = isolateEnvironment();
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::permissions(
        root, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(root, ignored);
    return result;
}
