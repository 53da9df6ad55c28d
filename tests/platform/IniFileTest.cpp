#include "platform/IniFile.h"

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "support/MemoryFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

TEST(IniFile, ReadsLikeTheProfileFunctions)
{
    const std::string longUrl = "http://example.test/" + std::string(5000, 'a');
    const IniFile ini = IniFile::parse("\xEF\xBB\xBF; the update notice\r\n"
                                       "orphan=outside any section\r\n"
                                       "[other]\r\n"
                                       "version=9\r\n"
                                       "  [ UPDATE ]  \r\n"
                                       "not a pair\r\n"
                                       ";version=8\r\n"
                                       "  Version   =   3   \r\n"
                                       "version=4\r\n"
                                       "url = http://example.test/get?a=1&b=2\r\n"
                                       "quoted=\"  spaced  \"\r\n"
                                       "=no key\r\n"
                                       "empty=\r\n"
                                       "[update]\r\n"
                                       "later=5\n"
                                       "\tnext=x\n"
                                       "url2="
        + longUrl);
    EXPECT_EQ(ini.read("update", "version", ""), "3");
    EXPECT_EQ(ini.read("Update", "URL", ""), "http://example.test/get?a=1&b=2");
    EXPECT_EQ(ini.read("update", "quoted", ""), "  spaced  ");
    EXPECT_EQ(ini.read("update", "empty", "fallback"), "");
    EXPECT_EQ(ini.read("update", "later", ""), "5");
    EXPECT_EQ(ini.read("update", "next", ""), "x");
    EXPECT_EQ(ini.read("update", "url2", ""), longUrl);
    EXPECT_EQ(ini.read("other", "version", ""), "9");
    EXPECT_EQ(ini.read("update", "missing", "fallback"), "fallback");
    EXPECT_EQ(ini.read("missing", "version", ""), "");
    EXPECT_EQ(ini.read("", "orphan", "none"), "none");
    EXPECT_EQ(ini.read("update", "not a pair", "none"), "none");
}

TEST(IniFile, LoadsThroughTheFileSystemAndTakesAMissingFileAsEmpty)
{
    testing::MemoryFiles files;
    const std::string path = "C:\\Program\\\\orb.ini";
    files.files[path] = "[update]\nversion=3\n";
    EXPECT_EQ(IniFile::load(files, path).read("update", "version", ""), "3");
    EXPECT_EQ(IniFile::load(files, "elsewhere.ini").read("update", "version", "none"), "none");
    files.refuseReads = true;
    EXPECT_THROW(IniFile::load(files, path), InOutError);
}

} // namespace
} // namespace tintabel
