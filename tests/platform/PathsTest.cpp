#include "platform/Paths.h"

#include "WinePrefix.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tintabel {
namespace {

namespace fs = std::filesystem;
using testing::WinePrefix;

TEST(LocalPath, JoinsMixedAndDoubledSeparators)
{
    const Environment env;
    EXPECT_EQ(toLocalPath("/opt/tool\\\\temp//x\\y.xml", env), fs::path("/opt/tool/temp/x/y.xml"));
    EXPECT_EQ(toLocalPath("/opt/tool/\\temp\\", env), fs::path("/opt/tool/temp"));
    EXPECT_EQ(toLocalPath("\\opt", env), fs::path("/opt"));
    EXPECT_EQ(toLocalPath("/", env), fs::path("/"));
    // A relative text stays relative.
    EXPECT_EQ(toLocalPath("skins\\\\a/b", env), fs::path("skins/a/b"));
    EXPECT_FALSE(toLocalPath("", env));
}

TEST(LocalPath, DriveGoesThroughTheDosdevicesLinkInEitherCase)
{
    const WinePrefix wine;
    fs::create_directories(wine.driveC() / "Games/FM");
    const fs::path expected = wine.driveC() / "Games/FM";
    for (const char* text : {"C:\\Games\\FM", "c:/Games/FM", "C:\\\\Games//FM\\", "c:Games\\FM"}) {
        const auto local = toLocalPath(text, wine.env);
        ASSERT_TRUE(local) << text;
        EXPECT_TRUE(fs::equivalent(*local, expected)) << text << " gave " << *local;
    }
    const auto root = toLocalPath("C:\\", wine.env);
    ASSERT_TRUE(root);
    EXPECT_TRUE(fs::equivalent(*root, wine.driveC()));
    // "..", however many, never leaves the drive.
    const auto climbed = toLocalPath("C:\\Games\\..\\..\\..\\Games\\FM", wine.env);
    ASSERT_TRUE(climbed);
    EXPECT_TRUE(fs::equivalent(*climbed, expected)) << *climbed;
}

TEST(LocalPath, DriveWithoutALinkOrWithoutAPrefixDoesNotExist)
{
    const WinePrefix wine;
    EXPECT_FALSE(toLocalPath("x:/a", wine.env));
    EXPECT_FALSE(toLocalPath("D:\\Games", wine.env));
    EXPECT_FALSE(toLocalPath("C:\\Games", wine.withoutPrefix()));
    Environment noPrefix = wine.env;
    noPrefix.winePrefix.clear();
    EXPECT_FALSE(toLocalPath("C:\\Games", noPrefix));
}

TEST(LocalPath, DriveComponentsAreFoundWithoutRegardToCase)
{
    const WinePrefix wine;
    fs::create_directories(wine.driveC() / "users/bob/Documents");
    fs::create_directories(wine.driveC() / "Użytkownicy");
    const auto documents = toLocalPath("C:\\Users\\Bob\\DOCUMENTS\\Sports Interactive", wine.env);
    ASSERT_TRUE(documents);
    EXPECT_EQ(
        *documents, wine.root / "prefix/dosdevices/c:/users/bob/Documents/Sports Interactive");
    const auto polish = toLocalPath("C:\\UŻYTKOWNICY", wine.env);
    ASSERT_TRUE(polish);
    EXPECT_EQ(polish->filename(), "Użytkownicy");

    // Two entries that differ only in case: the exact one wins, and a third spelling finds none.
    fs::create_directories(wine.driveC() / "Data");
    fs::create_directories(wine.driveC() / "data");
    EXPECT_EQ(toLocalPath("C:\\data", wine.env)->filename(), "data");
    EXPECT_EQ(toLocalPath("C:\\Data", wine.env)->filename(), "Data");
    EXPECT_EQ(toLocalPath("C:\\DATA", wine.env)->filename(), "DATA");
}

TEST(LocalPath, LinuxPathsKeepTheirCase)
{
    const WinePrefix wine;
    fs::create_directories(wine.root / "Skins");
    const std::string lower = (wine.root / "skins").string();
    EXPECT_EQ(toLocalPath(lower, wine.env), fs::path(lower));
}

TEST(PathParts, FileNameAndExtension)
{
    EXPECT_EQ(fileNamePart("C:\\a/b\\fm colours.xml"), "fm colours.xml");
    EXPECT_EQ(fileNamePart("C:scheme.ctm"), "scheme.ctm");
    EXPECT_EQ(fileNamePart("/tmp/folder/"), "");
    EXPECT_EQ(fileNamePart("plain"), "plain");
    EXPECT_EQ(extensionPart("/a/back.ground.JPG"), ".JPG");
    EXPECT_EQ(extensionPart("/a.d/noextension"), "");
    EXPECT_EQ(extensionPart("C:\\x.y\\z"), "");
}

TEST(Wildcard, WindowsMasksWithoutRegardToCase)
{
    const std::tuple<const char*, const char*, bool> cases[] = {{"Alpha", "*.", true},
        {"my.skin", "*.", false}, {".hidden", "*.", false}, {"FM Colours.XML", "*.xml", true},
        {"colours.xml.bak", "*.xml", false}, {"xml", "*.xml", false}, {"readme", "*.*", true},
        {"a.b.c", "*.*", true}, {"skin1.xml", "skin?.*", true}, {"skin12.xml", "skin?.xml", false},
        {"ŁĄKA.xml", "łąka.*", true}, {"łąka", "ł?ka", true}};
    for (const auto& [name, mask, matches] : cases)
        EXPECT_EQ(matchesWildcard(name, mask), matches) << name << " " << mask;
}

TEST(Wildcard, NameOrderIgnoresCaseButStaysFixed)
{
    EXPECT_TRUE(nameLessIgnoringCase("alpha", "Beta"));
    EXPECT_FALSE(nameLessIgnoringCase("Beta", "alpha"));
    EXPECT_NE(nameLessIgnoringCase("Beta", "beta"), nameLessIgnoringCase("beta", "Beta"));
    EXPECT_TRUE(sameNameIgnoringCase("ŻÓŁW", "żółw"));
    EXPECT_FALSE(sameNameIgnoringCase("a", "a "));
}

} // namespace
} // namespace tintabel
