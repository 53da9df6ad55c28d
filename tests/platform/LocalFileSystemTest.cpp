#include "platform/LocalFileSystem.h"

#include "WinePrefix.h"
#include "platform/Errors.h"
#include "platform/doubles/FaultyFileSystem.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace tintabel {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::WinePrefix;

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class LocalFileSystemTest : public ::testing::Test {
protected:
    WinePrefix wine;
    const TempFolder& tmp = wine.root;
    LocalFileSystem files {wine.env};
};

TEST_F(LocalFileSystemTest, ExistenceOfFilesAndFolders)
{
    tmp.write("a/.hidden", "x");
    fs::create_symlink(tmp / "a/.hidden", tmp / "a/link");
    fs::create_symlink(tmp / "a/gone", tmp / "a/dangling");
    const std::string a = tmp.withSlash() + "\\a";
    EXPECT_TRUE(files.fileExists(a + "\\.hidden"));
    EXPECT_TRUE(files.fileExists(a + "//link"));
    EXPECT_FALSE(files.fileExists(a + "/dangling"));
    EXPECT_FALSE(files.fileExists(a));
    EXPECT_TRUE(files.folderExists(a + "\\"));
    EXPECT_FALSE(files.folderExists(a + "/.hidden"));

    tmp.write("prefix/drive_c/Games/FM/fm.exe", "x");
    EXPECT_TRUE(files.fileExists("c:\\games\\fm\\FM.EXE"));
    EXPECT_TRUE(files.folderExists("C:/Games"));
    EXPECT_FALSE(files.folderExists("D:\\"));
}

TEST_F(LocalFileSystemTest, ListingByWildcard)
{
    for (const char* folder : {"skins/Alpha", "skins/beta", "skins/my.skin", "skins/.cache"})
        fs::create_directories(tmp / folder);
    for (const char* file :
        {"skins/readme", "skins/a.XML", "skins/b.xml", "skins/.old.xml", "skins/c.xml.bak"})
        tmp.write(file, "x");
    fs::permissions(tmp / "skins/b.xml", fs::perms::owner_write, fs::perm_options::remove);

    const auto skins = files.list(tmp.withSlash() + "skins\\*.");
    ASSERT_EQ(skins.size(), 3u);
    EXPECT_EQ(skins[0].name, "Alpha");
    EXPECT_TRUE(skins[0].isFolder);
    EXPECT_EQ(skins[1].name, "beta");
    EXPECT_EQ(skins[2].name, "readme");
    EXPECT_FALSE(skins[2].isFolder);
    for (const FolderEntry& entry : skins)
        EXPECT_FALSE(entry.hidden || entry.system || entry.readOnly) << entry.name;

    const auto colours = files.list(tmp.withSlash() + "/skins//*.xml");
    ASSERT_EQ(colours.size(), 3u);
    EXPECT_EQ(colours[0].name, ".old.xml");
    EXPECT_TRUE(colours[0].hidden);
    EXPECT_EQ(colours[1].name, "a.XML");
    EXPECT_FALSE(colours[1].readOnly);
    EXPECT_EQ(colours[2].name, "b.xml");
    EXPECT_TRUE(colours[2].readOnly);

    EXPECT_EQ(files.list(tmp.withSlash() + "skins\\*.*").size(), 9u);
    EXPECT_TRUE(files.list(tmp.withSlash() + "nowhere\\*.").empty());
    EXPECT_TRUE(files.list(tmp.withSlash() + "skins\\").empty());
    EXPECT_TRUE(files.list("Q:\\*.*").empty());

    tmp.write("prefix/drive_c/Skins/x.xml", "x");
    const auto drive = files.list("C:\\SKINS\\*.XML");
    ASSERT_EQ(drive.size(), 1u);
    EXPECT_EQ(drive[0].name, "x.xml");
}

TEST_F(LocalFileSystemTest, FolderTreesAndSingleFiles)
{
    const std::string deep = tmp.withSlash() + "\\one\\\\two/three";
    EXPECT_TRUE(files.makeFolderTree(deep));
    EXPECT_TRUE(fs::is_directory(tmp / "one/two/three"));
    EXPECT_TRUE(files.makeFolderTree(deep));
    EXPECT_FALSE(files.removeFolder(tmp.withSlash() + "one"));
    EXPECT_TRUE(files.removeFolder(deep + "\\"));
    EXPECT_FALSE(fs::exists(tmp / "one/two/three"));

    EXPECT_TRUE(files.makeFolderTree("C:\\Users\\Bob\\Documents\\Sports Interactive"));
    EXPECT_TRUE(fs::is_directory(wine.driveC() / "Users/Bob/Documents/Sports Interactive"));

    tmp.write("locked.txt", "keep");
    fs::permissions(tmp / "locked.txt", fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_FALSE(files.deleteFile(tmp.withSlash() + "locked.txt"));
    EXPECT_TRUE(fs::exists(tmp / "locked.txt"));
    EXPECT_TRUE(files.setNormalAttributes(tmp.withSlash() + "locked.txt"));
    EXPECT_TRUE(files.deleteFile(tmp.withSlash() + "\\locked.txt"));
    EXPECT_FALSE(fs::exists(tmp / "locked.txt"));
    EXPECT_FALSE(files.deleteFile(tmp.withSlash() + "locked.txt"));
    EXPECT_FALSE(files.deleteFile(tmp.withSlash() + "one"));
}

TEST_F(LocalFileSystemTest, NothingIsCreatedForADriveThatDoesNotExist)
{
    const TempFolder work;
    const fs::path before = fs::current_path();
    fs::current_path(work.path());
    LocalFileSystem withoutPrefix(wine.withoutPrefix());
    tmp.write("source.txt", "x");
    EXPECT_FALSE(withoutPrefix.makeFolderTree("C:\\Games\\FM"));
    EXPECT_FALSE(withoutPrefix.copyFile(tmp.withSlash() + "source.txt", "C:\\copy.txt"));
    EXPECT_FALSE(files.makeFolderTree("E:\\Games"));
    EXPECT_THROW(files.writeFileAtomically("e:/x.txt", "x"), InOutError);
    fs::current_path(before);
    EXPECT_TRUE(namesIn(work.path()).empty());
}

class AtomicCopyTest : public LocalFileSystemTest {
protected:
    std::string source = tmp.withSlash() + "source.xml";
    std::string target = tmp.withSlash() + "out\\target.xml";

    void SetUp() override
    {
        tmp.write("source.xml", "new content");
        tmp.write("out/target.xml", "old content");
    }
    // The destination is as it was and no temporary file is left beside it.
    void expectUntouched()
    {
        EXPECT_EQ(tmp.read("out/target.xml"), "old content");
        EXPECT_EQ(namesIn(tmp / "out"), std::vector<std::string> {"target.xml"});
    }
};

TEST_F(AtomicCopyTest, ReplacesTheDestination)
{
    EXPECT_TRUE(files.copyFile(source, target));
    EXPECT_EQ(tmp.read("out/target.xml"), "new content");
    EXPECT_EQ(namesIn(tmp / "out"), std::vector<std::string> {"target.xml"});
    files.copyFileOrThrow(source, tmp.withSlash() + "out/fresh.xml");
    EXPECT_EQ(tmp.read("out/fresh.xml"), "new content");
}

TEST_F(AtomicCopyTest, AFileCopiedOntoItselfKeepsItsContent)
{
    EXPECT_TRUE(files.copyFile(source, tmp.withSlash() + "\\\\source.xml"));
    EXPECT_EQ(tmp.read("source.xml"), "new content");
}

TEST_F(AtomicCopyTest, ALinkedDestinationIsWrittenThroughItsLink)
{
    fs::create_symlink(tmp / "out/target.xml", tmp / "link.xml");
    EXPECT_TRUE(files.copyFile(source, tmp.withSlash() + "link.xml"));
    EXPECT_TRUE(fs::is_symlink(tmp / "link.xml"));
    EXPECT_EQ(tmp.read("out/target.xml"), "new content");
}

TEST_F(AtomicCopyTest, AMissingSourceLeavesTheDestination)
{
    EXPECT_FALSE(files.copyFile(tmp.withSlash() + "missing.xml", target));
    expectUntouched();
    try {
        files.copyFileOrThrow(tmp.withSlash() + "missing.xml", target);
        FAIL() << "no error";
    } catch (const InOutError& error) {
        EXPECT_EQ(
            std::string(error.what()), "Cannot create file \"" + target + "\". File not found");
    }
}

TEST_F(AtomicCopyTest, ADestinationThatIsAFolderStays)
{
    fs::create_directories(tmp / "out/folder.xml/inside");
    EXPECT_FALSE(files.copyFile(source, tmp.withSlash() + "out/folder.xml"));
    EXPECT_TRUE(fs::is_directory(tmp / "out/folder.xml/inside"));
    EXPECT_FALSE(files.copyFile(tmp.withSlash() + "out", tmp.withSlash() + "copied"));
    EXPECT_FALSE(fs::exists(tmp / "copied"));
}

TEST_F(AtomicCopyTest, AReadOnlyDestinationIsNotReplaced)
{
    fs::permissions(tmp / "out/target.xml", fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_THROW(
        {
            try {
                files.copyFileOrThrow(source, target);
            } catch (const InOutError& error) {
                EXPECT_NE(std::string(error.what()).find("File access denied"), std::string::npos);
                throw;
            }
        },
        InOutError);
    expectUntouched();
}

TEST_F(AtomicCopyTest, AFailingReadRemovesTheTemporaryFile)
{
    // Reading this file fails at its very start, after the temporary file has been made.
    ASSERT_EQ(::access("/proc/self/mem", R_OK), 0);
    EXPECT_FALSE(files.copyFile("/proc/self/mem", target));
    expectUntouched();
}

TEST_F(AtomicCopyTest, ARefusedFolderFailsAsAFolderThatMayNotBeWritten)
{
    FaultyFileSystem faulty(wine.env);
    faulty.refuseWrites(tmp.withSlash() + "out\\");
    EXPECT_FALSE(faulty.copyFile(source, target));
    expectUntouched();
    try {
        faulty.copyFileOrThrow(source, target);
        FAIL() << "no error";
    } catch (const InOutError& error) {
        EXPECT_EQ(
            std::string(error.what()), "Cannot create file \"" + target + "\". File access denied");
    }
    EXPECT_FALSE(faulty.deleteFile(target));
    EXPECT_THROW(faulty.writeFileAtomically(target, "x"), InOutError);
    EXPECT_FALSE(faulty.makeFolderTree(tmp.withSlash() + "out/sub"));
    EXPECT_TRUE(faulty.makeFolderTree(tmp.withSlash() + "out"));
    EXPECT_FALSE(faulty.deleteTree(tmp.withSlash(), "out"));
    EXPECT_FALSE(faulty.deleteTree(tmp.withSlash(), ""));
    expectUntouched();
    // Elsewhere the double is the real file system, and reads under the folder go on.
    EXPECT_TRUE(faulty.copyFile(target, tmp.withSlash() + "elsewhere.xml"));
    EXPECT_EQ(tmp.read("elsewhere.xml"), "old content");

    faulty.refuseReads(target);
    EXPECT_FALSE(faulty.copyFile(target, tmp.withSlash() + "elsewhere.xml"));
    EXPECT_THROW(faulty.readFile(target), InOutError);
    EXPECT_TRUE(faulty.fileExists(target));
}

} // namespace
} // namespace tintabel
