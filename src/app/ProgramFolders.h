#pragma once

#include <string>
#include <vector>

namespace tintabel {

class FileSystem;
struct Environment;

// Where the program reads and writes, as texts the way it builds paths (joined by concatenation,
// mixing "/" and "\"). It never writes beside itself or its shipped files, which an installed copy
// may not change and two users share: the working colour file is the user's state, the update
// answer a cache, and the working copies of a run go to a folder made for that run alone, so two
// running copies never touch each other's. Building it makes those folders.
struct ProgramFolders {
    static constexpr const char* kName = "veldo-tintabel";

    ProgramFolders(const std::string& programFile, const Environment& env, FileSystem& files);

    std::string data; // templates, help pages, "standard.jpg"; with its trailing separator
    // $XDG_STATE_HOME/veldo-tintabel/, for "dane.dat"; empty when it could not be made.
    std::string state;
    // $XDG_CACHE_HOME/veldo-tintabel/, for "orb.ini"; named even when it could not be made, as
    // the update check fails quietly without it.
    std::string cache;
    // This run's own folder, mode 0700, under $XDG_RUNTIME_DIR or else the temporary folder;
    // without a trailing separator; empty when none could be made. The window removes it at exit.
    std::string temp;
    // What the user is told of the folders that could not be made: the path and the reason each.
    std::vector<std::string> problems;
};

} // namespace tintabel
