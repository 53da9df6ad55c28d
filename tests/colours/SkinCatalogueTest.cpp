#include "colours/SkinCatalogue.h"

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

    testing::TempFolder user;
    testing::TempFolder program;
    LocalFileSystem files {Environment {}};
    SkinCatalogue catalogue {files};
    int eventRuns = 0;
};

TEST_F(SkinCatalogueTest, SkinsAreVisibleUndottedFoldersWithOneNonEmptyNameInReverseListingOrder)
{
    EXPECT_TRUE(scan().empty());
    addSkin("Alpha", description("Alpha"));
    addSkin("beta", description("Beta [by Tom]"));
    addSkin("Gamma", description("Gamma"));
    addSkin("my.skin", description("Dotted"));
    addSkin(".hidden", description("Hidden"));
    addSkin("TwoNames",
        R"(<skin><string id="name" value="One"/><string id="name" value="Two"/></skin>)");
    addSkin("EmptyName", description(""));
    addSkin("NoName", R"(<skin><string id="author" value="someone"/></skin>)");
    // A name nested deeper, or given by another attribute than id, does not count.
    addSkin("Nested", R"(<skin><group><string id="name" value="Deep"/></group></skin>)");
    fs::create_directories(user / "skins/NoDescription");
    fs::create_directories(user / "skins/FolderDescription/FolderDescription.xml");
    user.write("skins/PlainFile", description("Plain"));
    // A description other than the folder's own name is not looked at.
    user.write("skins/Other/skin.xml", description("Other"));

    EXPECT_EQ(scan(),
        (std::vector<SkinEntry> {{"Gamma", "Gamma"}, {"Beta ", "beta"}, {"Alpha", "Alpha"}}));
    // Every description read gives the window a turn, kept or not.
    EXPECT_EQ(eventRuns, 7);
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
        {"A[B[C", "A"},
        // Empty pieces and line breaks at their start are passed over.
        {"[by Tom] Dark", "by Tom] Dark"},
        {"\r\n[[\nBlue\nSky[x", "Blue\nSky"},
        // A bracket inside a pair of quote marks stays, with the marks.
        {"\"Steel [2009]\" skin [v2]", "\"Steel [2009]\" skin "},
        {"'a[\"b' [c\" d", "'a[\"b' "},
        // A lone quote mark pairs with nothing and protects nothing.
        {"Tom's skin [v2]", "Tom's skin "},
        // Nothing but cuts: the name shows whole.
        {"[\r\n[", "[\r\n["},
    };
    for (const auto& [name, shown] : cases)
        EXPECT_EQ(SkinCatalogue::displayName(name), shown) << name;
}

class SkinTemplates : public SkinCatalogueTest {
protected:
    SkinTemplates()
    {
        for (const char* name :
            {"configm.xml", "config.xml", "fm colours09.xml", "fm colours0809.xml"})
            program.write(name, std::string("template ") + name);
        fs::create_directories(user / "skins");
    }
    void prepare(std::string_view folder)
    {
        catalogue.prepareTemplates(program.withSlash(), skinsFolder(), folder);
    }
    std::string settingsFile(std::string_view folder, std::string_view name)
    {
        return user.read("skins/" + std::string(folder) + "/settings/" + std::string(name));
    }
};

TEST_F(SkinTemplates, AStandardSkinGetsItsSettingsFolderAndKeepsItsColours)
{
    prepare("fm2009");
    EXPECT_EQ(user.read("skins/config.xml"), "template configm.xml");
    EXPECT_EQ(settingsFile("fm2009", "config.xml"), "template config.xml");
    EXPECT_EQ(settingsFile("fm2009", "fm colours.xml"), "template fm colours09.xml");

    user.write("skins/fm2009/settings/config.xml", "edited config");
    user.write("skins/fm2009/settings/fm colours.xml", "edited colours");
    user.write("skins/config.xml", "edited skins config");
    prepare("fm2009");
    EXPECT_EQ(settingsFile("fm2009", "config.xml"), "template config.xml");
    EXPECT_EQ(settingsFile("fm2009", "fm colours.xml"), "edited colours");
    EXPECT_EQ(user.read("skins/config.xml"), "template configm.xml");

    prepare("fm2008");
    EXPECT_EQ(settingsFile("fm2008", "config.xml"), "template config.xml");
    EXPECT_EQ(settingsFile("fm2008", "fm colours.xml"), "template fm colours0809.xml");
}

TEST_F(SkinTemplates, OtherSkinsAreLeftAloneAndMissingTemplatesAreNotCopied)
{
    prepare("FM2009");
    EXPECT_FALSE(fs::exists(user / "skins/FM2009"));
    EXPECT_EQ(user.read("skins/config.xml"), "template configm.xml");

    fs::remove(program / "fm colours09.xml");
    fs::remove(program / "configm.xml");
    user.write("skins/config.xml", "kept");
    prepare("fm2009");
    EXPECT_EQ(user.read("skins/config.xml"), "kept");
    EXPECT_EQ(settingsFile("fm2009", "config.xml"), "template config.xml");
    EXPECT_FALSE(fs::exists(user / "skins/fm2009/settings/fm colours.xml"));
}

// Which entries mark a colour document is ColourXmlFormat's rule; here only how files are listed.
class ColourFiles : public SkinCatalogueTest {
protected:
    void list()
    {
        catalogue.listColourFiles(
            settings(), [this](const std::string& name) { names.push_back(name); });
    }
    std::string settings() const { return skinsFolder() + "Alpha/settings/"; }
    void write(std::string_view name, std::string_view document)
    {
        user.write("skins/Alpha/settings/" + std::string(name), document);
    }

    Names names;
};

TEST_F(ColourFiles, AFileIsListedOnceForEachMarkingEntry)
{
    list();
    EXPECT_TRUE(names.empty());
    write("a colours.xml", R"(<colours><colour name="low attribute"/></colours>)");
    write("b twice.xml", R"(<c><colour name="low attribute"/><colour name="low attribute"/></c>)");
    write("c config.xml", R"(<record><boolean id="preload" value="false"/></record>)");
    write("e notes.txt", R"(<colours><colour name="low attribute"/></colours>)");
    std::filesystem::create_directories(user / "skins/Alpha/settings/f folder.xml");
    list();
    EXPECT_EQ(names, (Names {"a colours.xml", "b twice.xml", "b twice.xml"}));

    // A file that cannot be parsed ends the list after what came before.
    write("b twice.xml", "<colours><colour name=\"low attribute\"></colours>");
    names.clear();
    EXPECT_EQ(errorText<XmlError>([&] { list(); }), parserMessage(settings() + "b twice.xml"));
    EXPECT_EQ(names, Names {"a colours.xml"});
}

} // namespace
} // namespace tintabel
