#include "colours/SkinCatalogue.h"

#include "colours/ColourXmlFormat.h"
#include "colours/UserDataLocation.h"
#include "platform/Errors.h"
#include "platform/LocalFileSystem.h"
#include "platform/XmlDocument.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tintabel {
namespace {

namespace fs = std::filesystem;
using testing::errorText;
using Names = std::vector<std::string>;

std::string description(std::string_view name)
{
    return "<skin>\n\t<string id=\"name\" value=\"" + std::string(name)
        + "\"/>\n\t<string id=\"author\" value=\"someone\"/>\n</skin>\n";
}

class SkinCatalogueTest : public ::testing::Test {
protected:
    // The user folder as the program holds it: ending in a separator.
    std::string skinsFolder() const { return user.withSlash() + "skins/"; }
    void addSkin(const std::string& folder, std::string_view document)
    {
        user.write("skins/" + folder + "/" + folder + ".xml", document);
    }
    std::vector<SkinEntry> scan()
    {
        return catalogue.scan(user.withSlash(), [this] { ++eventRuns; });
    }
    // What a parse of the file raises, for comparison with what the catalogue passes on.
    std::string parserMessage(const std::string& path)
    {
        return errorText<XmlError>([&] { XmlDocument::load(files, path); });
    }

    // The folder the game's location file in the user folder names.
    std::string folderFrom(std::string_view document)
    {
        user.write("user_data_location.xml", document);
        return UserDataLocation::readFolder(files, user.withSlash() + "user_data_location.xml");
    }

    testing::TempFolder user;
    LocalFileSystem files {Environment {}};
    SkinCatalogue catalogue {files};
    int eventRuns = 0;
};

TEST_F(SkinCatalogueTest, SkinsAreVisibleUndottedFoldersWithOneNonEmptyNameInReverseListingOrder)
{
    addSkin("Alpha", description("Alpha"));
    addSkin("beta", description("Beta [by Tom]"));
    addSkin("Gamma", description("Gamma"));
    addSkin("my.skin", description("Dotted"));
    addSkin(".hidden", description("Hidden"));
    addSkin("TwoNames",
        R"(<skin><string id="name" value="One"/><string id="name" value="Two"/></skin>)");
    addSkin("EmptyName", description(""));
    // A name nested deeper does not count.
    addSkin("Nested", R"(<skin><group><string id="name" value="Deep"/></group></skin>)");
    user.write("skins/NoDescription/skin.xml", description("Other"));

    EXPECT_EQ(scan(),
        (std::vector<SkinEntry> {{"Gamma", "Gamma"}, {"Beta ", "beta"}, {"Alpha", "Alpha"}}));
    // Every description read gives the window a turn, kept or not.
    EXPECT_EQ(eventRuns, 6);
}

TEST_F(SkinCatalogueTest, AnUnreadableDescriptionOrANameWithoutValueEndsTheScan)
{
    addSkin("Alpha", description("Alpha"));
    addSkin("Beta", "<skin><string id=\"name\" value=\"Beta\"></skin>");
    addSkin("Gamma", description("Gamma"));
    EXPECT_EQ(
        errorText<XmlError>([&] { scan(); }), parserMessage(skinsFolder() + "Beta\\Beta.xml"));
    EXPECT_EQ(eventRuns, 1);

    addSkin("Beta", R"(<skin><string id="name"/></skin>)");
    EXPECT_EQ(errorText<ConversionError>([&] { scan(); }),
        "Could not convert variant of type (Null) into type (String)");
}

TEST(SkinDisplayName, IsTheFirstPieceCutAtBracketsOutsideQuotes)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Dark Blue [by Tom]", "Dark Blue "},
        {"Plain name", "Plain name"},
        // Empty pieces and line breaks at their start are passed over.
        {"\r\n[[\nBlue\nSky[x", "Blue\nSky"},
        // A bracket between quote marks stays, marks and all; a lone mark protects nothing.
        {"\"Steel [2009]\" skin [v2]", "\"Steel [2009]\" skin "},
        {"Tom's skin [v2]", "Tom's skin "},
        // Nothing but cuts: the name shows whole.
        {"[\r\n[", "[\r\n["},
    };
    for (const auto& [name, shown] : cases)
        EXPECT_EQ(SkinCatalogue::displayName(name), shown) << name;
}

TEST_F(SkinCatalogueTest, AStandardSkinGetsItsSettingsAndKeepsItsColoursOthersAreLeftAlone)
{
    testing::TempFolder program;
    for (const char* name : {"configm.xml", "config.xml", "fm colours09.xml", "fm colours0809.xml"})
        program.write(name, std::string("template ") + name);
    const auto prepare = [&](std::string_view folder) {
        catalogue.prepareTemplates(program.withSlash(), skinsFolder(), folder);
    };
    user.write("skins/config.xml", "edited");
    prepare("FM2009");
    EXPECT_FALSE(fs::exists(user / "skins/FM2009"));
    EXPECT_EQ(user.read("skins/config.xml"), "template configm.xml");

    prepare("fm2008");
    EXPECT_EQ(user.read("skins/fm2008/settings/config.xml"), "template config.xml");
    EXPECT_EQ(user.read("skins/fm2008/settings/fm colours.xml"), "template fm colours0809.xml");
    user.write("skins/fm2008/settings/config.xml", "edited");
    user.write("skins/fm2008/settings/fm colours.xml", "edited colours");
    prepare("fm2008");
    EXPECT_EQ(user.read("skins/fm2008/settings/config.xml"), "template config.xml");
    EXPECT_EQ(user.read("skins/fm2008/settings/fm colours.xml"), "edited colours");

    // Missing templates are not copied and leave what is there.
    fs::remove(program / "fm colours09.xml");
    fs::remove(program / "configm.xml");
    user.write("skins/config.xml", "kept");
    prepare("fm2009");
    EXPECT_EQ(user.read("skins/config.xml"), "kept");
    EXPECT_EQ(user.read("skins/fm2009/settings/config.xml"), "template config.xml");
    EXPECT_FALSE(fs::exists(user / "skins/fm2009/settings/fm colours.xml"));
}

TEST(ColourXmlFormatTest, MarkingEntriesAreDirectColourChildrenNamedExactlyLowAttribute)
{
    const std::pair<const char*, std::size_t> cases[] = {
        // The root's own name does not matter, nor do other entries around the marking one.
        {R"(<any><!-- x --><colour/><colour name="x"/><colour name="low attribute"/></any>)", 1},
        {R"(<c><colour name="low attribute"/><colour/><colour name="low attribute"/></c>)", 2},
        // The prefix of a namespace is not part of the entry name.
        {R"(<c xmlns:s="urn:skin"><s:colour name="low attribute"/></c>)", 1},
        {R"(<c><colour name="Low attribute"/><Colour name="low attribute"/></c>)", 0},
        {R"(<c><group><colour name="low attribute"/></group></c>)", 0},
        {R"(<colour name="low attribute"/>)", 0},
    };
    for (const auto& [text, count] : cases) {
        XmlDocument document = XmlDocument::parse(text);
        EXPECT_EQ(ColourXmlFormat::markingEntryCount(document.documentElement()), count) << text;
    }
}

// Which entries mark a colour document is ColourXmlFormat's rule; here only how files are listed,
// and which user folder the game's location file names.
TEST_F(SkinCatalogueTest, AColourFileIsListedPerMarkingEntryAndTheUserDataLocationNamesAFolder)
{
    const std::string settings = skinsFolder() + "Alpha/settings/";
    Names names;
    const auto list = [&] {
        names.clear();
        catalogue.listColourFiles(
            settings, [&](const std::string& name) { names.push_back(name); });
        return names;
    };
    user.write("skins/Alpha/settings/a colours.xml", "<c><colour name='low attribute'/></c>");
    user.write("skins/Alpha/settings/b twice.xml",
        "<c><colour name='low attribute'/><colour name='low attribute'/></c>");
    user.write("skins/Alpha/settings/c config.xml", "<record/>");
    user.write("skins/Alpha/settings/e notes.txt", "<c><colour name='low attribute'/></c>");
    fs::create_directories(user / "skins/Alpha/settings/f folder.xml");
    EXPECT_EQ(list(), (Names {"a colours.xml", "b twice.xml", "b twice.xml"}));

    // A file that cannot be parsed ends the list after what came before.
    user.write("skins/Alpha/settings/b twice.xml", "<c><colour name='low attribute'></c>");
    EXPECT_EQ(errorText<XmlError>([&] { list(); }), parserMessage(settings + "b twice.xml"));
    EXPECT_EQ(names, Names {"a colours.xml"});

    EXPECT_EQ(UserDataLocation::readFolder(files, user.withSlash() + "absent.xml"), "");
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
    // A valu child without value, or a broken file, is an error.
    EXPECT_EQ(
        errorText<ConversionError>([&] { folderFrom(R"(<record><string id="valu"/></record>)"); }),
        "Could not convert variant of type (Null) into type (String)");
    EXPECT_NE(errorText<XmlError>([&] { folderFrom("<record><string id=\"valu\"></record>"); }),
        "(no error)");
}

} // namespace
} // namespace tintabel
