#pragma once

#include <string>
#include <string_view>

namespace tintabel {

class FileSystem;

// The game's own record of where it keeps the user's data: "user_data_location.xml" under the
// application-data folder. The folder is the "value" of a direct child of the root whose "id" is
// "valu"; the game writes a one-letter type tag in front of it.
class UserDataLocation {
public:
    // Below the application-data folder.
    static constexpr const char* kRelativePath = "\\Sports Interactive\\Football Manager 2009"
                                                 "\\settings\\Version 901\\user_data_location.xml";

    // The folder the file names, its tag dropped; "" when the file is not there or names none.
    // A later "valu" child wins over an earlier one. A file that cannot be parsed raises the
    // parser's XmlError; a "valu" child without "value" the ConversionError of a missing text.
    static std::string readFolder(FileSystem& files, std::string_view locationFile);
};

} // namespace tintabel
