#pragma once

#include <string>

namespace tintabel {

// The program's folder and its temp folder, as texts the way the program builds paths: joined by
// concatenation, mixing "/" and "\".
struct ProgramFolders {
    explicit ProgramFolders(const std::string& programFile)
        : program(programFile.substr(0, programFile.find_last_of("/\\") + 1))
        , temp(program + "\\temp")
    {
    }

    std::string program; // the program file's folder, with its trailing separator
    std::string temp;
};

} // namespace tintabel
