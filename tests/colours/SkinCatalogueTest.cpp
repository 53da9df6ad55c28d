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
using testing::TempFolder;

std::string description(std::string_view name)
{
    return "<skin>\n\t<string id=\"name\" value=\"" + std::string(name)
        + "\"/>\n\t<string id=\"author\" value=\"someone\"/>\n</skin>\n";
}

class SkinCatalogueTest : public ::testing::Test {
protected:
    // The user folder as the program holds it: ending in a separator.
    std::string userFolder() const { return user.withSlash(); }
    std::string skinsFolder() const { return userFolder() + "skins/"; }
    void addSkin(const std::string& folder, std::string_view document)
    {
        user.write("skins/" + folder + "/" + folder + ".xml", document);
    }
    std::vector<SkinEntry> scan()
    {
        return catalogue.scan(userFolder(), [this] { ++eventRuns; });
    }
    std::vector<std::string> folders(const std::vector<SkinEntry>& entries)
    {
        std::vector<std::string> result;
        for (const SkinEntry& entry : entries)
            result.push_back(entry.folder);
        return result;
    }

    TempFolder user;
    TempFolder program;
    LocalFileSystem files {Environment {}};
    SkinCatalogue catalogue {files};
    int eventRuns = 0;
};

TEST_F(SkinCatalogueTest, SkinsComeInTheReverseOfTheListingOrderWithTheirDisplayNames)
{
    addSkin("Alpha", description("Alpha"));
    addSkin("beta", description("Beta [by Tom]"));
    addSkin("Gamma", description("Gamma"));
    EXPECT_EQ(scan(),
        (std::vector<SkinEntry> {{"Gamma", "Gamma"}, {"Beta ", "beta"}, {"Alpha", "Alpha"}}));
    EXPECT_EQ(eventRuns, 3);
}

TEST_F(SkinCatalogueTest, OnlyVisibleFoldersWithoutADotAndWithOneNonEmptyNameAreSkins)
{
    addSkin("Kept", description("Kept"));
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

    EXPECT_EQ(folders(scan()), std::vector<std::string> {"Kept"});
    // Every description read gives the window a turn, kept or not.
    EXPECT_EQ(eventRuns, 5);
}

TEST_F(SkinCatalogueTest, NoSkinsFolderListsNothing)
{
    EXPECT_TRUE(scan().empty());
    EXPECT_EQ(eventRuns, 0);
}

TEST_F(SkinCatalogueTest, AnUnreadableDescriptionOrANameWithoutValueEndsTheScan)
{
    addSkin("Alpha", description("Alpha"));
    addSkin("Beta", "<skin><string id=\"name\" value=\"Beta\"></skin>");
    addSkin("Gamma", description("Gamma"));
    const std::string parserMessage
        = errorText<XmlError>([&] { XmlDocument::load(files, skinsFolder() + "Beta\\Beta.xml"); });
    EXPECT_EQ(errorText<XmlError>([&] { scan(); }), parserMessage);
    EXPECT_EQ(eventRuns, 1);

    addSkin("Beta", R"(<skin><string id="name"/></skin>)");
    EXPECT_EQ(errorText<ConversionError>([&] { scan(); }),
        "Could not convert variant of type (Null) into type (String)");
}

TEST_F(SkinCatalogueTest, TheDisplayNameIsTheFirstPieceCutAtBracketsOutsideQuotes)
{
    EXPECT_EQ(SkinCatalogue::displayName("Dark Blue [by Tom]"), "Dark Blue ");
    EXPECT_EQ(SkinCatalogue::displayName("Plain name"), "Plain name");
    EXPECT_EQ(SkinCatalogue::displayName("A[B[C"), "A");
    // Empty pieces and line breaks at their start are passed over.
    EXPECT_EQ(SkinCatalogue::displayName("[by Tom] Dark"), "by Tom] Dark");
    EXPECT_EQ(SkinCatalogue::displayName("\r\n[[\nBlue\nSky[x"), "Blue\nSky");
    // A bracket inside a pair of quote marks stays, with the marks.
    EXPECT_EQ(SkinCatalogue::displayName("\"Steel [2009]\" skin [v2]"), "\"Steel [2009]\" skin ");
    EXPECT_EQ(SkinCatalogue::displayName("'a[\"b' [c\" d"), "'a[\"b' ");
    // A lone quote mark pairs with nothing and protects nothing.
    EXPECT_EQ(SkinCatalogue::displayName("Tom's skin [v2]"), "Tom's skin ");
    // Nothing but cuts: the name shows whole.
    EXPECT_EQ(SkinCatalogue::displayName("[\r\n["), "[\r\n[");
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

class ColourFiles : public SkinCatalogueTest {
protected:
    std::vector<std::string> listed()
    {
        std::vector<std::string> names;
        catalogue.listColourFiles(
            settings(), [&names](const std::string& name) { names.push_back(name); });
        return names;
    }
    std::string settings() const { return skinsFolder() + "Alpha/settings/"; }
    void write(std::string_view name, std::string_view document)
    {
        user.write("skins/Alpha/settings/" + std::string(name), document);
    }
};

TEST_F(ColourFiles, AFileIsListedOnceForEachLowAttributeColour)
{
    write("a colours.xml", R"(<colours><colour name="low attribute"/></colours>)");
    write("b twice.xml", R"(<colours>
        <colour name="low attribute" red="1"/>
        <colour name="normal attribute"/>
        <x:colour xmlns:x="urn:x" name="low attribute"/>
    </colours>)");
    write("c config.xml", R"(<record><boolean id="preload" value="false"/></record>)");
    write("d other names.xml", R"(<colours>
        <colour name="Low attribute"/>
        <colour name="low attribute "/>
        <shade name="low attribute"/>
        <group><colour name="low attribute"/></group>
        <colour/>
    </colours>)");
    write("e notes.txt", R"(<colours><colour name="low attribute"/></colours>)");
    fs::create_directories(user / "skins/Alpha/settings/f folder.xml");
    EXPECT_EQ(listed(), (std::vector<std::string> {"a colours.xml", "b twice.xml", "b twice.xml"}));
}

TEST_F(ColourFiles, AFileThatCannotBeParsedEndsTheListAfterWhatCameBefore)
{
    write("a colours.xml", R"(<colours><colour name="low attribute"/></colours>)");
    write("b broken.xml", "<colours><colour name=\"low attribute\"></colours>");
    write("c colours.xml", R"(<colours><colour name="low attribute"/></colours>)");
    std::vector<std::string> names;
    const std::string parserMessage
        = errorText<XmlError>([&] { XmlDocument::load(files, settings() + "b broken.xml"); });
    EXPECT_EQ(errorText<XmlError>([&] {
        catalogue.listColourFiles(
            settings(), [&names](const std::string& name) { names.push_back(name); });
    }),
        parserMessage);
    EXPECT_EQ(names, std::vector<std::string> {"a colours.xml"});
}

TEST_F(ColourFiles, ASkinWithoutSettingsHasNoColourFiles)
{
    EXPECT_TRUE(listed().empty());
}

} // namespace
} // namespace tintabel
