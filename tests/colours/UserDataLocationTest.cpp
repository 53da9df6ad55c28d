#include "colours/UserDataLocation.h"

#include "platform/Errors.h"
#include "platform/LocalFileSystem.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

using testing::errorText;
using testing::TempFolder;

class UserDataLocationTest : public ::testing::Test {
protected:
    std::string folderFrom(std::string_view document)
    {
        folder.write("user_data_location.xml", document);
        return UserDataLocation::readFolder(files, path());
    }
    std::string path() const { return folder.withSlash() + "user_data_location.xml"; }

    TempFolder folder;
    LocalFileSystem files {Environment {}};
};

TEST_F(UserDataLocationTest, TheFolderIsTheValueOfTheLastValuChildWithoutItsTag)
{
    EXPECT_EQ(folderFrom(R"(<record><string id="valu" value="XC:\Games\FM"/></record>)"),
        "C:\\Games\\FM");
    EXPECT_EQ(folderFrom(R"(<?xml version="1.0"?>
<record>
    <!-- written by the game -->
    <string value="S/ignored"/>
    <string id="valu" value="SC:\First"/>
    <string id="Valu" value="SC:\Wrong case"/>
    <integer id="version" value="901"/>
    <string id="valu" value="SC:\Second"/>
    <list><string id="valu" value="SC:\Nested"/></list>
</record>)"),
        "C:\\Second");
    // The tag is one character, however many bytes it takes.
    EXPECT_EQ(folderFrom("<r><s id=\"valu\" value=\"\xC5\xBB/home/fm\"/></r>"), "/home/fm");
}

TEST_F(UserDataLocationTest, NoFileNoValuChildOrAnEmptyValueGiveNoFolder)
{
    EXPECT_EQ(UserDataLocation::readFolder(files, path()), "");
    EXPECT_EQ(folderFrom(R"(<record><string id="name" value="XC:\Games"/></record>)"), "");
    EXPECT_EQ(folderFrom(R"(<record><string id="valu" value=""/></record>)"), "");
    EXPECT_EQ(folderFrom(R"(<record><string id="valu" value="X"/></record>)"), "");
}

TEST_F(UserDataLocationTest, AValuChildWithoutValueOrABrokenFileIsAnError)
{
    folder.write("user_data_location.xml", R"(<record><string id="valu"/></record>)");
    EXPECT_EQ(errorText<ConversionError>([&] { UserDataLocation::readFolder(files, path()); }),
        "Could not convert variant of type (Null) into type (String)");
    folder.write("user_data_location.xml", "<record><string id=\"valu\"></record>");
    EXPECT_NE(
        errorText<XmlError>([&] { UserDataLocation::readFolder(files, path()); }), "(no error)");
}

} // namespace
} // namespace tintabel
