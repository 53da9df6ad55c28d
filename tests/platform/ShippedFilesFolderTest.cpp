#include "platform/ShippedFilesFolder.h"

#include "platform/Environment.h"
#include "platform/LocalFileSystem.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tintabel {
namespace {

namespace fs = std::filesystem;

TEST(ShippedFilesFolder, AnInstalledFolderFirstThenTheProgramsOwn)
{
    enum class Made { Folder, File, Nothing }; // as "share/veldo-tintabel"
    const std::pair<Made, const char*> cases[] = {
        {Made::Folder, "share/veldo-tintabel/"},
        {Made::Nothing, "bin/"},
        {Made::File, "bin/"},
    };
    for (const auto& [made, expected] : cases) {
        SCOPED_TRACE(expected);
        const testing::TempFolder root;
        fs::create_directories(root / "bin");
        if (made == Made::Folder)
            fs::create_directories(root / "share/veldo-tintabel");
        if (made == Made::File)
            root.write("share/veldo-tintabel", "");
        LocalFileSystem files {Environment {}};
        EXPECT_EQ(
            shippedFilesFolder((root / "bin/tintabel").string(), "../share/veldo-tintabel", files),
            root.withSlash() + expected);
    }
}

} // namespace
} // namespace tintabel
