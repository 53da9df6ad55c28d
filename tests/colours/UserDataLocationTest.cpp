#include "colours/UserDataLocation.h"

#include "platform/Errors.h"
#include "platform/LocalFileSystem.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

using testing::errorText;

class UserDataLocationTest : public ::testing::Test {
protected:
    std::string folderFrom(std::string_view document)
    {
        folder.write("user_data_location.xml", document);
        return UserDataLocation::readFolder(files, path());
    }
    std::string path() const { return folder.withSlash() + "user_data_location.xml"; }

    testing::TempFolder folder;
    LocalFileSystem files {Environment {}};
};

TEST_F(UserDataLocationTest, TheFolderIsTheValueOfTheLastValuChildWithoutItsTag)
{
    EXPECT_EQ(UserDataLocation::readFolder(files, path()), "");
    const std::pair<const char*, const char*> cases[] = {
        {"<record>\n    <!-- written by the game -->\n    <string value=\"S/ignored\"/>\n"
         R"(<string id="valu" value="SC:\First"/><string id="Valu" value="SC:\Wrong case"/>)"
         R"(<integer id="version" value="901"/><string id="valu" value="SC:\Second"/>)"
         R"(<list><string id="valu" value="SC:\Nested"/></list></record>)",
            R"(C:\Second)"},
        // The tag is one character, however many bytes it takes.
        {"<r><s id=\"valu\" value=\"\xC5\xBB/home/fm\"/></r>", "/home/fm"},
        {R"(<record><string id="valu" value=""/></record>)", ""},
        {R"(<record><string id="valu" value="X"/></record>)", ""},
    };
    for (const auto& [document, expected] : cases)
        EXPECT_EQ(folderFrom(document), expected) << document;
}

TEST_F(UserDataLocationTest, AValuChildWithoutValueOrABrokenFileIsAnError)
{
    EXPECT_EQ(
        errorText<ConversionError>([&] { folderFrom(R"(<record><string id="valu"/></record>)"); }),
        "Could not convert variant of type (Null) into type (String)");
    EXPECT_NE(errorText<XmlError>([&] { folderFrom("<record><string id=\"valu\"></record>"); }),
        "(no error)");
}

} // namespace
} // namespace tintabel
