#include "platform/LocalFileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

class DeleteTreeTest : public ::testing::Test {
protected:
    TempFolder tmp;
    LocalFileSystem files {Environment {}};
    // The program folder as the program keeps it, with its trailing separator.
    std::string programFolder = tmp.withSlash();
};

TEST_F(DeleteTreeTest, RemovesNestedFoldersAndReadOnlyFiles)
{
    tmp.write("temp/a.xml", "x");
    tmp.write("temp/.hidden", "x");
    tmp.write("temp/sub/deeper/b.xml", "x");
    tmp.write("temp/sub/locked.xml", "x");
    fs::create_directories(tmp / "temp/empty");
    fs::permissions(tmp / "temp/sub/locked.xml", fs::perms::owner_write, fs::perm_options::remove);
    fs::permissions(tmp / "temp/sub/deeper", fs::perms::owner_write, fs::perm_options::remove);
    tmp.write("tempa/kept.xml", "x");

    EXPECT_TRUE(files.deleteTree(programFolder, "temp"));
    EXPECT_FALSE(fs::exists(tmp / "temp"));
    EXPECT_TRUE(fs::exists(tmp / "tempa/kept.xml"));
    EXPECT_TRUE(files.deleteTree(programFolder, "temp"));
}

TEST_F(DeleteTreeTest, LinksInsideTheTreeAreRemovedNotFollowed)
{
    tmp.write("outside/folder/precious.txt", "keep");
    tmp.write("outside/file.txt", "keep");
    tmp.write("temp/own.txt", "x");
    fs::create_directory_symlink(tmp / "outside/folder", tmp / "temp/folderLink");
    fs::create_symlink(tmp / "outside/file.txt", tmp / "temp/fileLink");
    fs::create_directories(tmp / "temp/sub");
    fs::create_directory_symlink("../../outside", tmp / "temp/sub/up");
    fs::permissions(tmp / "outside/file.txt", fs::perms::owner_write, fs::perm_options::remove);

    EXPECT_TRUE(files.deleteTree(programFolder, "\\temp"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(tmp / "temp")));
    EXPECT_EQ(tmp.read("outside/folder/precious.txt"), "keep");
    EXPECT_EQ(tmp.read("outside/file.txt"), "keep");
    // The outside file did not lose its read-only state either.
    EXPECT_EQ(fs::status(tmp / "outside/file.txt").permissions() & fs::perms::owner_write,
        fs::perms::none);
}

TEST_F(DeleteTreeTest, ATreeThatIsALinkLosesOnlyTheLink)
{
    tmp.write("real/precious.txt", "keep");
    fs::create_directory_symlink(tmp / "real", tmp / "temp");
    files.deleteTree(programFolder, "temp");
    EXPECT_FALSE(fs::exists(fs::symlink_status(tmp / "temp")));
    EXPECT_EQ(tmp.read("real/precious.txt"), "keep");
}

TEST_F(DeleteTreeTest, NamesHoldingBackslashesStayInsideTheTree)
{
    // On Linux "..\victim" is one name; joined as text it would lead out of the tree.
    tmp.write("victim/precious.txt", "keep");
    tmp.write("temp/..\\victim/inner.txt", "x");
    EXPECT_TRUE(files.deleteTree(programFolder, "temp"));
    EXPECT_FALSE(fs::exists(tmp / "temp"));
    EXPECT_EQ(tmp.read("victim/precious.txt"), "keep");
}

} // namespace
} // namespace tintabel
