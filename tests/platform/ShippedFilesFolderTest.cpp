#include "platform/ShippedFilesFolder.h"

#include "platform/LocalFileSystem.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tintabel {
namespace {

TEST(ShippedFilesFolder, AnInstalledFolderFirstThenTheProgramsOwn)
{
    for (const bool installed : {true, false}) {
        SCOPED_TRACE(installed);
        const testing::TempFolder root;
        std::filesystem::create_directories(root / "bin");
        if (installed)
            std::filesystem::create_directories(root / "share/veldo-tintabel");
        LocalFileSystem files {Environment {}};
        EXPECT_EQ(
            shippedFilesFolder((root / "bin/tintabel").string(), "../share/veldo-tintabel", files),
            root.withSlash() + (installed ? "share/veldo-tintabel/" : "bin/"));
    }
}

} // namespace
} // namespace tintabel
