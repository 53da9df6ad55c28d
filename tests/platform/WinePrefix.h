#pragma once

#include "platform/Environment.h"
#include "support/TempFolder.h"

#include <filesystem>

namespace tintabel::testing {

// A home folder and a Wine prefix laid out as Wine lays them out (drive_c, and dosdevices/c:
// linking to it), all inside a temporary folder, with the environment that points there.
struct WinePrefix {
    TempFolder root;
    Environment env;

    WinePrefix()
    {
        for (const char* folder : {"prefix/drive_c", "prefix/dosdevices", "home"})
            std::filesystem::create_directories(root / folder);
        std::filesystem::create_directory_symlink("../drive_c", root / "prefix/dosdevices/c:");
        env.home = (root / "home").string();
        env.configHome = env.home + "/.config";
        env.dataHome = env.home + "/.local/share";
        env.documentsFolder = env.home + "/Documents";
        env.winePrefix = (root / "prefix").string();
        env.userName = "bob";
    }

    std::filesystem::path driveC() const { return root / "prefix/drive_c"; }
    // The same environment, but without a usable prefix.
    Environment withoutPrefix() const
    {
        Environment result = env;
        result.winePrefix = (root / "no-such-prefix").string();
        return result;
    }
};

} // namespace tintabel::testing
