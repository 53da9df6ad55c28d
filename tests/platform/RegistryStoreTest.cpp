#include "platform/RegistryStore.h"

#include "platform/Errors.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

namespace tintabel {
namespace {

using testing::errorText;
using ::testing::HasSubstr;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

constexpr auto LM = RegistryRoot::LocalMachine;
constexpr auto CU = RegistryRoot::CurrentUser;
constexpr std::string_view kLangKey = "\\SOFTWARE\\VELDO\\orb\\Lang";
constexpr std::string_view kPathKey = "\\SOFTWARE\\VELDO\\orb\\path\\fm2009";
constexpr std::string_view kCellsKey = "\\Software\\Quornel\\Chromelle";
const std::string kHead = "Windows Registry Editor Version 5.00\n";

class RegistryStoreTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path file = folder / "veldo-tintabel" / "registry.reg";
};

TEST_F(RegistryStoreTest, WritesReachTheFileInTheExportFormat)
{
    RegistryStore store(file);
    store.writeString(LM, kLangKey, "lang", "English");
    store.writeString(LM, "\\software\\veldo\\ORB\\path\\fm2009", "Path", "C:\\Games \"FM\"");
    store.writeBinary(CU, kCellsKey, "Gen", {0xFF, 0x00, 0x1A});
    store.writeString(LM, "\\SOFTWARE\\VELDO\\ORB\\LANG", "LANG", "Polish");

    // Keys and names keep the case they were first written with; parents are listed too.
    EXPECT_EQ(readBytes(file),
        "Windows Registry Editor Version 5.00\n"
        "\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\n"
        "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\VELDO]\n"
        "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\VELDO\\orb]\n"
        "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\VELDO\\orb\\Lang]\n"
        "\"lang\"=\"Polish\"\n"
        "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\VELDO\\orb\\path]\n"
        "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\VELDO\\orb\\path\\fm2009]\n"
        "\"Path\"=\"C:\\\\Games \\\"FM\\\"\"\n"
        "\n[HKEY_CURRENT_USER\\Software]\n"
        "\n[HKEY_CURRENT_USER\\Software\\Quornel]\n"
        "\n[HKEY_CURRENT_USER\\Software\\Quornel\\Chromelle]\n"
        "\"Gen\"=hex:ff,00,1a\n");
}

TEST_F(RegistryStoreTest, ReadsFilesWrittenByHandOrByTheRegistryEditor)
{
    writeBytes(file,
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n; settings\r\n"
        "[hkey_local_machine\\\\Software\\Sports Interactive Ltd\\Installs\\Football Manager "
        "2008]\r\n"
        "\"Path\" = \"C:\\Games\\FM 2008\"\r\n@=\"default\"\r\n\"Count\"=dword:0000002A\r\n"
        "\"Expand\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,00,00\r\n"
        "\"Long\"=hex:01,02,\\\r\n  03,04,\\\r\n  05\r\n\"Multi\"=hex(7):41,00,00,00,00,00\r\n");
    RegistryStore store(file);
    const std::string_view key
        = "\\Software\\Sports Interactive Ltd\\Installs\\Football Manager 2008";
    // A backslash before anything but \ or " stands for itself.
    EXPECT_EQ(store.readString(LM, key, "Path"), "C:\\Games\\FM 2008");
    EXPECT_EQ(store.readString(LM, key, ""), "default");
    EXPECT_EQ(store.readString(LM, key, "expand"), "%HOME%");
    EXPECT_EQ(store.readBinary(LM, key, "Long"), (std::vector<std::uint8_t> {1, 2, 3, 4, 5}));
    EXPECT_EQ(errorText<RegistryError>([&] { store.readString(LM, key, "Count"); }),
        "Invalid data type for 'Count'");
    EXPECT_EQ(errorText<RegistryError>([&] { store.readBinary(LM, key, "Multi"); }),
        "Invalid data type for 'Multi'");

    // A rewrite keeps the values of types the program never writes.
    store.writeString(LM, key, "Path", "D:\\FM");
    for (const char* kept : {"\"Count\"=dword:0000002a\n", "\"Multi\"=hex(7):41,00,00,00,00,00\n",
             "\"Expand\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,00,00\n",
             "\"Path\"=\"D:\\\\FM\"\n"})
        EXPECT_THAT(readBytes(file), HasSubstr(kept));
}

TEST_F(RegistryStoreTest, ABrokenFileIsNamedWithItsLineReportedOnceAndNeverOverwritten)
{
    const std::pair<std::string, std::string> cases[]
        = {{"REGEDIT4\n", "line 1"}, {kHead + "\"lang\"=\"x\"\n", "line 2"},
            {kHead + "[HKEY_USERS\\x]\n", "line 2"}, {kHead + "[HKEY_CURRENT_USER\\x\n", "line 2"},
            {kHead + "[HKEY_CURRENT_USER\\x]\n\n\"a\"=hex:1,zz\n", "line 4"},
            {kHead + "[HKEY_CURRENT_USER\\x]\n\"a\"=hex:01,\\\n", "line 3"},
            {kHead + "[HKEY_CURRENT_USER\\x]\n\"a\"=dword:123456789\n", "line 3"},
            {kHead + "[HKEY_CURRENT_USER\\x]\n\"a\"=-\n", "line 3"},
            {kHead + "[HKEY_CURRENT_USER\\x]\n\"a\"=\"b\" c\n", "line 3"}};
    for (const auto& [text, line] : cases) {
        writeBytes(file, text);
        RegistryStore store(file);
        EXPECT_THAT(errorText<RegistryError>([&] { store.keyExists(CU, "x"); }), HasSubstr(line))
            << text;
    }
    // Nothing at all is an empty store, not a broken one.
    writeBytes(file, "\n\n");
    EXPECT_EQ(RegistryStore(file).readString(LM, kLangKey, "lang"), "");

    const std::string broken
        = kHead + "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\VELDO\\orb\\Lang]\n\"lang\"=\"English\n";
    writeBytes(file, broken);
    RegistryStore store(file);
    const std::string report
        = errorText<RegistryError>([&] { store.readString(LM, kLangKey, "lang"); });
    EXPECT_EQ(report,
        "The settings file '" + file.string()
            + "' cannot be read: line 4: a quoted text without its closing quote. It was left "
              "unchanged.");

    // Reads go on as if the store were empty; writes keep refusing with the same text.
    EXPECT_EQ(store.readString(LM, kLangKey, "lang"), "");
    EXPECT_FALSE(store.keyExists(LM, kLangKey));
    EXPECT_EQ(errorText<RegistryError>([&] { store.writeString(LM, kLangKey, "lang", "Polish"); }),
        report);
    EXPECT_EQ(errorText<RegistryError>([&] { store.writeBinary(CU, "\\x", "Gen", {1}); }), report);
    EXPECT_EQ(readBytes(file), broken);

    // Once mended, the file is read again.
    writeBytes(file, broken.substr(0, broken.size() - 1) + "\"\n");
    EXPECT_EQ(store.readString(LM, kLangKey, "lang"), "English");
    store.writeString(LM, kLangKey, "lang", "Polish");
    EXPECT_EQ(RegistryStore(file).readString(LM, kLangKey, "lang"), "Polish");
}

TEST_F(RegistryStoreTest, ARefusedSaveGivesTheReasonAndKeepsNothing)
{
    writeBytes(folder / "plain-file", "not a folder");
    const std::filesystem::path impossible = folder / "plain-file" / "sub" / "registry.reg";
    RegistryStore store(impossible);
    const std::string text
        = errorText<RegistryError>([&] { store.writeString(LM, kLangKey, "lang", "English"); });
    EXPECT_EQ(
        text, "The settings cannot be saved to '" + impossible.string() + "': Path not found");
    EXPECT_EQ(store.readString(LM, kLangKey, "lang"), "");
    EXPECT_FALSE(store.keyExists(LM, kLangKey));

    // A folder where the file should be cannot be read, and is not replaced either.
    std::filesystem::create_directories(file);
    RegistryStore blocked(file);
    EXPECT_EQ(
        errorText<RegistryError>([&] { blocked.writeBinary(CU, "\\Software\\x", "Gen", {1}); }),
        "The settings file '" + file.string()
            + "' cannot be read: File access denied. It was left unchanged.");
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST_F(RegistryStoreTest, TwoRunningCopiesSeeEachOthersWrites)
{
    // The store lives in the configuration folder of the environment.
    Environment environment;
    environment.home = "/home/someone";
    EXPECT_EQ(RegistryStore::defaultFile(environment),
        std::filesystem::path("/home/someone/.config/veldo-tintabel/registry.reg"));
    environment.configHome = folder.path().string();
    RegistryStore first(environment);
    EXPECT_EQ(first.file(), file);
    RegistryStore second(file);
    EXPECT_EQ(second.readString(LM, kLangKey, "lang"), "");
    // Reading creates neither file nor folder.
    EXPECT_FALSE(std::filesystem::exists(file.parent_path()));
    first.writeString(LM, kLangKey, "lang", "Polish");
    EXPECT_EQ(second.readString(LM, kLangKey, "lang"), "Polish");

    // A write starts from the file as it is now, so neither copy undoes the other's change.
    second.writeString(LM, kPathKey, "Path", "D:\\FM09");
    const std::vector<std::uint8_t> cells(192, 0xAB);
    first.writeBinary(CU, kCellsKey, "Gen", cells);
    RegistryStore third(file);
    EXPECT_EQ(third.readString(LM, kLangKey, "lang"), "Polish");
    EXPECT_EQ(third.readString(LM, kPathKey, "Path"), "D:\\FM09");
    EXPECT_EQ(third.readBinary(CU, kCellsKey, "Gen"), cells);
    // Long hex lists wrap as the registry editor wraps them.
    std::istringstream lines(readBytes(file));
    for (std::string line; std::getline(lines, line);)
        EXPECT_LT(line.size(), 80u) << line;

    // A file removed by someone else reads as empty again.
    std::filesystem::remove(file);
    EXPECT_EQ(first.readString(LM, kLangKey, "lang"), "");
}

} // namespace
} // namespace tintabel
