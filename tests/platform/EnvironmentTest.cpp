#include "platform/Environment.h"

#include "WinePrefix.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>

namespace tintabel {
namespace {

namespace fs = std::filesystem;
using Variables = std::map<std::string, std::string>;
using testing::WinePrefix;

Environment fromMap(const Variables& variables)
{
    return Environment::fromVariables([&variables](std::string_view name) {
        const auto it = variables.find(std::string(name));
        return it == variables.end() ? std::nullopt : std::optional<std::string>(it->second);
    });
}

// Home, the XDG folders, temporary, documents, prefix, user and update server, in that order.
std::vector<std::string> fields(const Environment& e)
{
    return {e.home, e.configHome, e.dataHome, e.stateHome, e.cacheHome, e.tempFolder,
        e.documentsFolder, e.winePrefix, e.userName, e.updateServer};
}

TEST(Environment, VariablesWinOverTheUsualFoldersUnderHomeAndUserDirsNameDocuments)
{
    Environment env = fromMap({{"HOME", "/home/bob"}, {"XDG_DATA_HOME", ""}, {"LOGNAME", "bob"}});
    EXPECT_EQ(fields(env),
        (std::vector<std::string> {"/home/bob", "/home/bob/.config", "/home/bob/.local/share",
            "/home/bob/.local/state", "/home/bob/.cache", "/tmp", "/home/bob/Documents",
            "/home/bob/.wine", "bob", ""}));
    env = fromMap({{"HOME", "/home/bob"}, {"XDG_CONFIG_HOME", "/c"}, {"XDG_DATA_HOME", "/d"},
        {"XDG_DOCUMENTS_DIR", "/docs"}, {"WINEPREFIX", "/games/fm"}, {"USER", "robert"},
        {"LOGNAME", "bob"}, {"TINTABEL_UPDATE_URL", "http://u.example"}, {"XDG_CACHE_HOME", "/k"},
        {"TMPDIR", "/t"}, {"XDG_STATE_HOME", "/s"}});
    EXPECT_EQ(fields(env),
        (std::vector<std::string> {"/home/bob", "/c", "/d", "/s", "/k", "/t", "/docs", "/games/fm",
            "robert", "http://u.example"}));

    env = Environment::fromProcess();
    EXPECT_EQ(env.home, std::getenv("HOME"));
    EXPECT_EQ(env.documentsFolder, std::getenv("XDG_DOCUMENTS_DIR"));
    EXPECT_EQ(env.winePrefix, env.home + "/.wine");
    EXPECT_FALSE(env.userName.empty());

    const testing::TempFolder config;
    const std::tuple<const char*, Variables, const char*> cases[] = {
        {"# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Pulpit\"\n"
         "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n",
            {}, "/home/bob/Dokumenty"},
        {"XDG_DOCUMENTS_DIR=\"/srv/my \\\"docs\\\"/\"\n", {}, "/srv/my \"docs\""},
        {"XDG_DOCUMENTS_DIR=\"relative/docs\"\n", {}, "/home/bob/Documents"},
        {"# XDG_DOCUMENTS_DIR=\"/commented\"\n", {}, "/home/bob/Documents"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n", {{"XDG_DOCUMENTS_DIR", "/e"}}, "/e"},
    };
    for (auto [content, variables, documents] : cases) {
        config.write("user-dirs.dirs", content);
        variables.insert({{"HOME", "/home/bob"}, {"XDG_CONFIG_HOME", config.path().string()}});
        EXPECT_EQ(fromMap(variables).documentsFolder, documents) << content;
    }
}

TEST(SpecialFolder, InsideTheWinePrefixElseTheXdgFolders)
{
    const WinePrefix wine;
    const fs::path user = wine.driveC() / "users/bob";
    // Before the game has run the folders need not exist: the path is still the prefix's.
    EXPECT_EQ(specialFolderPath(26, wine.env), (user / "AppData/Roaming").string());
    fs::create_directories(user / "AppData/Roaming");
    fs::create_directories(user / "Documents");
    EXPECT_EQ(specialFolderPath(26, wine.env), (user / "AppData/Roaming").string());
    EXPECT_EQ(specialFolderPath(5, wine.env), (user / "Documents").string());
    EXPECT_EQ(specialFolderPath(7, wine.env), "");

    // An older prefix layout, with the user's name in another case.
    const WinePrefix older;
    fs::create_directories(older.driveC() / "users/Bob/Application Data");
    fs::create_directories(older.driveC() / "users/Bob/My Documents");
    EXPECT_EQ(
        specialFolderPath(26, older.env), (older.driveC() / "users/Bob/Application Data").string());
    EXPECT_EQ(
        specialFolderPath(5, older.env), (older.driveC() / "users/Bob/My Documents").string());

    const WinePrefix bare;
    const Environment env = bare.withoutPrefix();
    EXPECT_EQ(specialFolderPath(26, env), env.dataHome);
    EXPECT_EQ(specialFolderPath(5, env), env.documentsFolder);
    // A prefix folder without a drive_c is no prefix either.
    fs::create_directories(env.winePrefix);
    EXPECT_EQ(specialFolderPath(26, env), env.dataHome);
}

} // namespace
} // namespace tintabel
