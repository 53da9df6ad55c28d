#include "platform/Paths.h"

#include "WinePrefix.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tintabel {
namespace {

namespace fs = std::filesystem;
using testing::WinePrefix;

TEST(LocalPath, JoinsSeparatorsKeepsLinuxCaseAndFindsDrivesAndTheirComponentsInAnyCase)
{
    const WinePrefix wine;
    fs::create_directories(wine.root / "Skins");
    const std::string lower = (wine.root / "skins").string();
    const std::pair<std::string, fs::path> cases[]
        = {{"/opt/tool\\\\temp//x\\y.xml", "/opt/tool/temp/x/y.xml"},
            {"/opt/tool/\\temp\\", "/opt/tool/temp"}, {"\\opt", "/opt"}, {"/", "/"},
            // A relative text stays relative.
            {"skins\\\\a/b", "skins/a/b"}, {lower, lower}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(toLocalPath(text, wine.env), expected) << text;
    EXPECT_FALSE(toLocalPath("", wine.env));

    fs::create_directories(wine.driveC() / "Games/FM");
    const fs::path games = wine.driveC() / "Games/FM";
    // "..", however many, never leaves the drive.
    for (const auto& [text, expected] : {std::pair {"C:\\Games\\FM", games}, {"c:/Games/FM", games},
             {"C:\\\\Games//FM\\", games}, {"c:Games\\FM", games}, {"C:\\", wine.driveC()},
             {"C:\\Games\\..\\..\\..\\Games\\FM", games}}) {
        const auto local = toLocalPath(text, wine.env);
        ASSERT_TRUE(local) << text;
        EXPECT_TRUE(fs::equivalent(*local, expected)) << text << " gave " << *local;
    }
    EXPECT_FALSE(toLocalPath("x:/a", wine.env));
    EXPECT_FALSE(toLocalPath("D:\\Games", wine.env));
    EXPECT_FALSE(toLocalPath("C:\\Games", wine.withoutPrefix()));
    Environment noPrefix = wine.env;
    noPrefix.winePrefix.clear();
    EXPECT_FALSE(toLocalPath("C:\\Games", noPrefix));

    for (const char* folder : {"users/bob/Documents", "Użytkownicy", "Data", "data"})
        fs::create_directories(wine.driveC() / folder);
    EXPECT_EQ(toLocalPath("C:\\Users\\Bob\\DOCUMENTS\\Sports Interactive", wine.env),
        wine.root / "prefix/dosdevices/c:/users/bob/Documents/Sports Interactive");
    // Two entries that differ only in case: the exact one wins, and a third spelling finds none.
    for (const auto& [text, found] : {std::pair {"C:\\UŻYTKOWNICY", "Użytkownicy"},
             {"C:\\data", "data"}, {"C:\\Data", "Data"}, {"C:\\DATA", "DATA"}})
        EXPECT_EQ(toLocalPath(text, wine.env).value_or("").filename(), found) << text;
}

TEST(PathParts, FileNameExtensionAndWindowsMasksWithoutRegardToCase)
{
    EXPECT_EQ(fileNamePart("C:\\a/b\\fm colours.xml"), "fm colours.xml");
    EXPECT_EQ(fileNamePart("C:scheme.ctm"), "scheme.ctm");
    EXPECT_EQ(fileNamePart("/tmp/folder/"), "");
    EXPECT_EQ(fileNamePart("plain"), "plain");
    EXPECT_EQ(extensionPart("/a/back.ground.JPG"), ".JPG");
    EXPECT_EQ(extensionPart("/a.d/noextension"), "");
    EXPECT_EQ(extensionPart("C:\\x.y\\z"), "");

    const std::tuple<const char*, const char*, bool> cases[] = {{"Alpha", "*.", true},
        {"my.skin", "*.", false}, {".hidden", "*.", false}, {"FM Colours.XML", "*.xml", true},
        {"colours.xml.bak", "*.xml", false}, {"xml", "*.xml", false}, {"readme", "*.*", true},
        {"a.b.c", "*.*", true}, {"skin1.xml", "skin?.*", true}, {"skin12.xml", "skin?.xml", false},
        {"ŁĄKA.xml", "łąka.*", true}, {"łąka", "ł?ka", true}};
    for (const auto& [name, mask, matches] : cases)
        EXPECT_EQ(matchesWildcard(name, mask), matches) << name << " " << mask;
    EXPECT_TRUE(nameLessIgnoringCase("alpha", "Beta"));
    EXPECT_FALSE(nameLessIgnoringCase("Beta", "alpha"));
    // Names that differ only in case still have a fixed order.
    EXPECT_NE(nameLessIgnoringCase("Beta", "beta"), nameLessIgnoringCase("beta", "Beta"));
    EXPECT_TRUE(sameNameIgnoringCase("ŻÓŁW", "żółw"));
    EXPECT_FALSE(sameNameIgnoringCase("a", "a "));
}

} // namespace
} // namespace tintabel
