#include "platform/LocalFileSystem.h"

#include "WinePrefix.h"
#include "platform/Errors.h"
#include "platform/ShippedFilesFolder.h"
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

TEST_F(LocalFileSystemTest, ExistenceAndListingByWildcard)
{
    tmp.write("a/.hidden", "x");
    fs::create_symlink(tmp / "a/.hidden", tmp / "a/link");
    fs::create_symlink(tmp / "a/gone", tmp / "a/dangling");
    tmp.write("prefix/drive_c/Games/FM/fm.exe", "x");
    const std::string a = folder + "\\a";
    for (const auto& [path, isFile, isFolder] : {std::tuple {a + "\\.hidden", true, false},
             {a, false, true}, {a + "//link", true, false}, {a + "/dangling", false, false},
             {a + "\\", false, true}, {"c:\\games\\fm\\FM.EXE", true, false},
             {"C:/Games", false, true}, {"D:\\", false, false}}) {
        EXPECT_EQ(files.fileExists(path), isFile) << path;
        EXPECT_EQ(files.folderExists(path), isFolder) << path;
    }

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

TEST_F(LocalFileSystemTest, FolderTreesAndSingleFilesButNothingOnAMissingDrive)
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

    // Nor for a drive that does not exist.
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

TEST_F(LocalFileSystemTest, DeleteTreeRemovesAllInsideAndNothingOutside)
{
    // On Linux "..\outside" is one name; joined as text it would lead out of the tree.
    for (const char* name : {"temp/a.xml", "temp/.hidden", "temp/sub/deeper/b.xml",
             "temp/sub/locked.xml", "temp/..\\outside/inner.txt", "tempa/kept.xml",
             "outside/folder/precious.txt", "outside/file.txt"})
        tmp.write(name, "keep");
    fs::create_directories(tmp / "temp/empty");
    for (const char* name : {"temp/sub/locked.xml", "temp/sub/deeper", "outside/file.txt"})
        makeReadOnly(tmp / name);
    // Links inside the tree are removed, not followed.
    fs::create_directory_symlink(tmp / "outside/folder", tmp / "temp/folderLink");
    fs::create_symlink(tmp / "outside/file.txt", tmp / "temp/fileLink");
    fs::create_directory_symlink("../../outside", tmp / "temp/sub/up");
    // A tree that is itself a link loses only the link.
    fs::create_directory_symlink(tmp / "outside", tmp / "linked");

    EXPECT_TRUE(files.deleteTree(folder, "\\temp"));
    EXPECT_TRUE(files.deleteTree(folder, "temp"));
    files.deleteTree(folder, "linked");
    EXPECT_FALSE(fs::exists(fs::symlink_status(tmp / "temp")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(tmp / "linked")));
    EXPECT_TRUE(fs::exists(tmp / "tempa/kept.xml"));
    EXPECT_EQ(namesIn(tmp / "outside"), (Names {"file.txt", "folder"}));
    EXPECT_EQ(tmp.read("outside/folder/precious.txt") + tmp.read("outside/file.txt"), "keepkeep");
    // The outside file did not lose its read-only state either.
    EXPECT_EQ(fs::status(tmp / "outside/file.txt").permissions() & fs::perms::owner_write,
        fs::perms::none);
}

TEST_F(LocalFileSystemTest, ACopyReplacesTheDestinationWholeOrNotAtAll)
{
    tmp.write("source.xml", "new content");
    tmp.write("out/target.xml", "old content");
    const std::string source = folder + "source.xml", target = folder + "out\\target.xml";
    const auto copyError = [&](const std::string& from) {
        return errorText<InOutError>([&] { files.copyFileOrThrow(from, target); });
    };
    // The destination is as it was and no temporary file is left beside it.
    const auto expectTarget = [&](const char* content) {
        EXPECT_EQ(tmp.read("out/target.xml"), content);
        EXPECT_EQ(namesIn(tmp / "out"), Names {"target.xml"});
    };
    EXPECT_FALSE(files.copyFile(folder + "missing.xml", target));
    EXPECT_EQ(
        copyError(folder + "missing.xml"), "Cannot create file \"" + target + "\". File not found");
    // Reading this file fails at its very start, after the temporary file has been made.
    ASSERT_EQ(::access("/proc/self/mem", R_OK), 0);
    EXPECT_FALSE(files.copyFile("/proc/self/mem", target));
    expectTarget("old content");
    makeReadOnly(tmp / "out/target.xml");
    EXPECT_EQ(copyError(source), "Cannot create file \"" + target + "\". File access denied");
    expectTarget("old content");
    // A folder is neither replaced by a copy nor copied.
    fs::create_directories(tmp / "folder.xml/inside");
    EXPECT_FALSE(files.copyFile(source, folder + "folder.xml"));
    EXPECT_TRUE(fs::is_directory(tmp / "folder.xml/inside"));
    EXPECT_FALSE(files.copyFile(folder + "out", folder + "copied"));
    EXPECT_FALSE(fs::exists(tmp / "copied"));

    fs::permissions(tmp / "out/target.xml", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(files.copyFile(source, target));
    expectTarget("new content");
    files.copyFileOrThrow(source, folder + "fresh.xml");
    EXPECT_EQ(tmp.read("fresh.xml"), "new content");
    EXPECT_TRUE(files.copyFile(source, folder + "\\\\source.xml"));
    EXPECT_EQ(tmp.read("source.xml"), "new content");
    tmp.write("linked.xml", "old");
    fs::create_symlink(tmp / "linked.xml", tmp / "link.xml");
    EXPECT_TRUE(files.copyFile(source, folder + "link.xml"));
    EXPECT_TRUE(fs::is_symlink(tmp / "link.xml"));
    EXPECT_EQ(tmp.read("linked.xml"), "new content");
}

TEST(ShippedFilesFolder, AnInstalledFolderFirstThenTheProgramsOwn)
{
    for (const bool installed : {true, false}) {
        const TempFolder root;
        fs::create_directories(root / (installed ? "share/veldo-tintabel" : "bin"));
        LocalFileSystem files {Environment {}};
        EXPECT_EQ(
            shippedFilesFolder((root / "bin/tintabel").string(), "../share/veldo-tintabel", files),
            root.withSlash() + (installed ? "share/veldo-tintabel/" : "bin/"))
            << installed;
    }
}

} // namespace
} // namespace tintabel
