#pragma once

#include <string>

namespace tintabel {

class FileSystem;

// The program's folder, its temp folder and the folder of the files shipped with it, as texts the
// way the program builds paths: joined by concatenation, mixing "/" and "\".
struct ProgramFolders {
    ProgramFolders(const std::string& programFile, FileSystem& files);

    std::string program; // the program file's folder, with its trailing separator
    std::string temp; // program + "\temp"
    std::string data; // templates, help pages, "standard.jpg"; with its trailing separator
};

} // namespace tintabel
