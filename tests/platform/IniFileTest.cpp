#include "platform/IniFile.h"

#include "platform/Errors.h"
#include "platform/GeneralErrorBox.h"
#include "platform/doubles/ScriptedMessageBoxes.h"
#include "support/ErrorText.h"
#include "support/MemoryFiles.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

TEST(IniFile, ReadsLikeTheProfileFunctionsThroughTheFileSystemAndAMissingFileIsEmpty)
{
    const std::string longUrl = "http://example.test/" + std::string(5000, 'a');
    const IniFile ini
        = IniFile::parse("\xEF\xBB\xBF; the update notice\r\norphan=outside any section\r\n"
                         "[other]\r\nversion=9\r\n  [ UPDATE ]  \r\nnot a pair\r\n"
                         ";version=8\r\n  Version   =   3   \r\nversion=4\r\n"
                         "url = http://example.test/get?a=1&b=2\r\nquoted=\"  spaced  \"\r\n"
                         "=no key\r\nempty=\r\n[update]\r\nlater=5\n\tnext=x\nurl2="
            + longUrl);
    const std::tuple<const char*, const char*, const char*, std::string> cases[]
        = {{"update", "version", "", "3"}, {"Update", "URL", "", "http://example.test/get?a=1&b=2"},
            {"update", "quoted", "", "  spaced  "}, {"update", "empty", "fallback", ""},
            {"update", "later", "", "5"}, {"update", "next", "", "x"},
            {"update", "url2", "", longUrl}, {"other", "version", "", "9"},
            {"update", "missing", "fallback", "fallback"}, {"missing", "version", "", ""},
            {"", "orphan", "none", "none"}, {"update", "not a pair", "none", "none"}};
    for (const auto& [section, key, fallback, expected] : cases)
        EXPECT_EQ(ini.read(section, key, fallback), expected) << section << " " << key;

    testing::MemoryFiles files;
    const std::string path = "C:\\Program\\\\orb.ini";
    files.files[path] = "[update]\nversion=3\n";
    EXPECT_EQ(IniFile::load(files, path).read("update", "version", ""), "3");
    EXPECT_EQ(IniFile::load(files, "elsewhere.ini").read("update", "version", "none"), "none");
    files.refuseReads = true;
    EXPECT_THROW(IniFile::load(files, path), InOutError);
}

TEST(FormatMessage, FillsPlaceholdersInOrder)
{
    EXPECT_EQ(
        formatMessage("Cannot load \"%s\". %s", {"a.xml", "Gone"}), "Cannot load \"a.xml\". Gone");
    EXPECT_EQ(formatMessage("%s%s%s: %d%s%s", {"bad", "\n", "Line", "4", "\n", "<x>"}),
        "bad\nLine: 4\n<x>");
    EXPECT_EQ(formatMessage("100%% of %s", {"it"}), "100% of it");
    // Missing values leave the placeholder as it stands rather than reading past the list.
    EXPECT_EQ(formatMessage("(%s) into (%s)", {"Null"}), "(Null) into (%s)");
}

TEST(GeneralErrorBox, ShowsTheErrorTextAndGoesOn)
{
    ScriptedMessageBoxes messages;
    bool after = false;
    showErrors(messages, [] { throw ConversionError(testing::notAnInteger("x")); });
    showErrors(messages, [&] { after = true; });
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, testing::notAnInteger("x"));
    EXPECT_TRUE(after);
}

} // namespace
} // namespace tintabel
