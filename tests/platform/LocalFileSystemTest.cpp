#include "platform/LocalFileSystem.h"

#include "WinePrefix.h"
#include "platform/Errors.h"
#include "support/ErrorText.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace tintabel {
namespace {

namespace fs = std::filesystem;
using testing::errorText;
using testing::TempFolder;
using Names = std::vector<std::string>;

Names namesIn(const fs::path& folder)
{
    Names names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void makeReadOnly(const fs::path& path)
{
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::remove);
}

class LocalFileSystemTest : public ::testing::Test {
protected:
    testing::WinePrefix wine;
    const TempFolder& tmp = wine.root;
    // Folder texts as the program keeps them, with a trailing separator.
    const std::string folder = tmp.withSlash();
    LocalFileSystem files {wine.env};
};

TEST_F(LocalFileSystemTest, ExistenceOfFilesAndFolders)
{
    tmp.write("a/.hidden", "x");
    fs::create_symlink(tmp / "a/.hidden", tmp / "a/link");
    fs::create_symlink(tmp / "a/gone", tmp / "a/dangling");
    const std::string a = folder + "\\a";
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
    for (const char* name : {"skins/Alpha", "skins/beta", "skins/my.skin", "skins/.cache"})
        fs::create_directories(tmp / name);
    for (const char* name :
        {"skins/readme", "skins/a.XML", "skins/b.xml", "skins/.old.xml", "skins/c.xml.bak"})
        tmp.write(name, "x");
    makeReadOnly(tmp / "skins/b.xml");
    tmp.write("prefix/drive_c/Skins/x.xml", "x");

    const auto listed = [this](const std::string& pattern) {
        std::string text;
        for (const FolderEntry& entry : files.list(pattern)) {
            text += entry.name + (entry.isFolder ? "/" : "") + (entry.hidden ? " hidden" : "")
                + (entry.system ? " system" : "") + (entry.readOnly ? " read-only" : "") + ";";
        }
        return text;
    };
    EXPECT_EQ(listed(folder + "skins\\*."), "Alpha/;beta/;readme;");
    EXPECT_EQ(listed(folder + "/skins//*.xml"), ".old.xml hidden;a.XML;b.xml read-only;");
    EXPECT_EQ(files.list(folder + "skins\\*.*").size(), 9u);
    EXPECT_EQ(listed("C:\\SKINS\\*.XML"), "x.xml;");
    for (const std::string& nothing :
        {folder + "nowhere\\*.", folder + "skins\\", std::string("Q:\\*.*")})
        EXPECT_EQ(listed(nothing), "") << nothing;
}

TEST_F(LocalFileSystemTest, FolderTreesAndSingleFiles)
{
    const std::string deep = folder + "\\one\\\\two/three";
    EXPECT_TRUE(files.makeFolderTree(deep));
    EXPECT_TRUE(fs::is_directory(tmp / "one/two/three"));
    EXPECT_TRUE(files.makeFolderTree(deep));
    EXPECT_FALSE(files.removeFolder(folder + "one"));
    EXPECT_TRUE(files.removeFolder(deep + "\\"));
    EXPECT_FALSE(fs::exists(tmp / "one/two/three"));

    EXPECT_TRUE(files.makeFolderTree("C:\\Users\\Bob\\Documents\\Sports Interactive"));
    EXPECT_TRUE(fs::is_directory(wine.driveC() / "Users/Bob/Documents/Sports Interactive"));

    tmp.write("locked.txt", "keep");
    makeReadOnly(tmp / "locked.txt");
    EXPECT_FALSE(files.deleteFile(folder + "locked.txt"));
    EXPECT_TRUE(fs::exists(tmp / "locked.txt"));
    EXPECT_TRUE(files.setNormalAttributes(folder + "locked.txt"));
    EXPECT_TRUE(files.deleteFile(folder + "\\locked.txt"));
    EXPECT_FALSE(fs::exists(tmp / "locked.txt"));
    EXPECT_FALSE(files.deleteFile(folder + "locked.txt"));
    EXPECT_FALSE(files.deleteFile(folder + "one"));
}

TEST_F(LocalFileSystemTest, NothingIsCreatedForADriveThatDoesNotExist)
{
    const TempFolder work;
    const fs::path before = fs::current_path();
    fs::current_path(work.path());
    LocalFileSystem withoutPrefix(wine.withoutPrefix());
    tmp.write("source.txt", "x");
    EXPECT_FALSE(withoutPrefix.makeFolderTree("C:\\Games\\FM"));
    EXPECT_FALSE(withoutPrefix.copyFile(folder + "source.txt", "C:\\copy.txt"));
    EXPECT_FALSE(files.makeFolderTree("E:\\Games"));
    EXPECT_THROW(files.writeFileAtomically("e:/x.txt", "x"), InOutError);
    fs::current_path(before);
    EXPECT_TRUE(namesIn(work.path()).empty());
}

TEST_F(LocalFileSystemTest, DeleteTreeRemovesNestedFoldersAndReadOnlyFiles)
{
    tmp.write("temp/a.xml", "x");
    tmp.write("temp/.hidden", "x");
    tmp.write("temp/sub/deeper/b.xml", "x");
    tmp.write("temp/sub/locked.xml", "x");
    fs::create_directories(tmp / "temp/empty");
    makeReadOnly(tmp / "temp/sub/locked.xml");
    makeReadOnly(tmp / "temp/sub/deeper");
    tmp.write("tempa/kept.xml", "x");

    EXPECT_TRUE(files.deleteTree(folder, "temp"));
    EXPECT_FALSE(fs::exists(tmp / "temp"));
    EXPECT_TRUE(fs::exists(tmp / "tempa/kept.xml"));
    EXPECT_TRUE(files.deleteTree(folder, "temp"));
}

TEST_F(LocalFileSystemTest, DeleteTreeNeverLeavesTheTree)
{
    tmp.write("outside/folder/precious.txt", "keep");
    tmp.write("outside/file.txt", "keep");
    makeReadOnly(tmp / "outside/file.txt");
    // Links inside the tree are removed, not followed.
    tmp.write("temp/own.txt", "x");
    fs::create_directory_symlink(tmp / "outside/folder", tmp / "temp/folderLink");
    fs::create_symlink(tmp / "outside/file.txt", tmp / "temp/fileLink");
    fs::create_directories(tmp / "temp/sub");
    fs::create_directory_symlink("../../outside", tmp / "temp/sub/up");
    // On Linux "..\outside" is one name; joined as text it would lead out of the tree.
    tmp.write("temp/..\\outside/inner.txt", "x");
    // A tree that is itself a link loses only the link.
    fs::create_directory_symlink(tmp / "outside", tmp / "linked");

    EXPECT_TRUE(files.deleteTree(folder, "\\temp"));
    files.deleteTree(folder, "linked");
    EXPECT_FALSE(fs::exists(fs::symlink_status(tmp / "temp")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(tmp / "linked")));
    EXPECT_EQ(namesIn(tmp / "outside"), (Names {"file.txt", "folder"}));
    EXPECT_EQ(tmp.read("outside/folder/precious.txt"), "keep");
    EXPECT_EQ(tmp.read("outside/file.txt"), "keep");
    // The outside file did not lose its read-only state either.
    EXPECT_EQ(fs::status(tmp / "outside/file.txt").permissions() & fs::perms::owner_write,
        fs::perms::none);
}

class AtomicCopyTest : public LocalFileSystemTest {
protected:
    std::string source = folder + "source.xml";
    std::string target = folder + "out\\target.xml";

    void SetUp() override
    {
        tmp.write("source.xml", "new content");
        tmp.write("out/target.xml", "old content");
    }
    // The destination is as it was and no temporary file is left beside it.
    void expectUntouched()
    {
        EXPECT_EQ(tmp.read("out/target.xml"), "old content");
        EXPECT_EQ(namesIn(tmp / "out"), Names {"target.xml"});
    }
    std::string copyError(FileSystem& system, const std::string& from)
    {
        return errorText<InOutError>([&] { system.copyFileOrThrow(from, target); });
    }
};

TEST_F(AtomicCopyTest, ReplacesTheDestinationEvenThroughALinkOrOntoItself)
{
    EXPECT_TRUE(files.copyFile(source, target));
    EXPECT_EQ(tmp.read("out/target.xml"), "new content");
    EXPECT_EQ(namesIn(tmp / "out"), Names {"target.xml"});
    files.copyFileOrThrow(source, folder + "out/fresh.xml");
    EXPECT_EQ(tmp.read("out/fresh.xml"), "new content");

    EXPECT_TRUE(files.copyFile(source, folder + "\\\\source.xml"));
    EXPECT_EQ(tmp.read("source.xml"), "new content");

    tmp.write("linked.xml", "old");
    fs::create_symlink(tmp / "linked.xml", tmp / "link.xml");
    EXPECT_TRUE(files.copyFile(source, folder + "link.xml"));
    EXPECT_TRUE(fs::is_symlink(tmp / "link.xml"));
    EXPECT_EQ(tmp.read("linked.xml"), "new content");
}

TEST_F(AtomicCopyTest, AFailedCopyLeavesTheDestination)
{
    EXPECT_FALSE(files.copyFile(folder + "missing.xml", target));
    EXPECT_EQ(copyError(files, folder + "missing.xml"),
        "Cannot create file \"" + target + "\". File not found");
    // Reading this file fails at its very start, after the temporary file has been made.
    ASSERT_EQ(::access("/proc/self/mem", R_OK), 0);
    EXPECT_FALSE(files.copyFile("/proc/self/mem", target));
    expectUntouched();

    makeReadOnly(tmp / "out/target.xml");
    EXPECT_EQ(
        copyError(files, source), "Cannot create file \"" + target + "\". File access denied");
    expectUntouched();

    // A folder is neither replaced by a copy nor copied.
    fs::create_directories(tmp / "out/folder.xml/inside");
    EXPECT_FALSE(files.copyFile(source, folder + "out/folder.xml"));
    EXPECT_TRUE(fs::is_directory(tmp / "out/folder.xml/inside"));
    EXPECT_FALSE(files.copyFile(folder + "out", folder + "copied"));
    EXPECT_FALSE(fs::exists(tmp / "copied"));
}

} // namespace
} // namespace tintabel
