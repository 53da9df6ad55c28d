#include "platform/Errors.h"
#include "platform/RegistryStore.h"
#include "platform/doubles/MemoryRegistry.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The rules every settings store keeps, checked on the file store and on the test double alike,
// so that tests written against the double hold for the program.
namespace tintabel {
namespace {

using testing::errorText;
using testing::TempFolder;

constexpr auto LM = RegistryRoot::LocalMachine;
constexpr auto CU = RegistryRoot::CurrentUser;

enum class Kind { File, Memory };

class RegistryContract : public ::testing::TestWithParam<Kind> {
protected:
    RegistryContract()
    {
        if (GetParam() == Kind::File)
            registry = std::make_unique<RegistryStore>(folder / "registry.reg");
        else
            registry = std::make_unique<MemoryRegistry>();
    }

    TempFolder folder;
    std::unique_ptr<Registry> registry;
};

TEST_P(RegistryContract, MissingKeysAndValuesReadAsNothingAndAreNotCreated)
{
    EXPECT_EQ(registry->readString(LM, "\\SOFTWARE\\VELDO\\orb\\Lang", "lang"), "");
    EXPECT_EQ(registry->readBinary(CU, "\\Software\\Quornel\\Chromelle", "Gen"), std::nullopt);
    EXPECT_FALSE(registry->keyExists(LM, "\\SOFTWARE\\VELDO\\orb\\Lang"));
    EXPECT_FALSE(registry->keyExists(CU, "\\Software\\Quornel\\Chromelle"));

    registry->writeString(LM, "\\SOFTWARE\\VELDO\\orb\\Lang", "lang", "English");
    EXPECT_EQ(registry->readString(LM, "\\SOFTWARE\\VELDO\\orb\\Lang", "other"), "");
    EXPECT_EQ(registry->readBinary(LM, "\\SOFTWARE\\VELDO\\orb\\Lang", "Gen"), std::nullopt);
    EXPECT_EQ(registry->readString(LM, "\\SOFTWARE\\VELDO\\orb\\path\\fm2009", "Path"), "");
    EXPECT_FALSE(registry->keyExists(LM, "\\SOFTWARE\\VELDO\\orb\\path\\fm2009"));
}

TEST_P(RegistryContract, WritingCreatesTheKeyWithItsParents)
{
    registry->writeString(LM, "\\SOFTWARE\\VELDO\\orb\\path\\fm2009", "Path", "D:\\FM09");
    EXPECT_TRUE(registry->keyExists(LM, "\\SOFTWARE\\VELDO\\orb\\path\\fm2009"));
    EXPECT_TRUE(registry->keyExists(LM, "\\SOFTWARE\\VELDO\\orb"));
    EXPECT_TRUE(registry->keyExists(LM, "SOFTWARE"));
    // A name that merely starts like a key is not that key.
    EXPECT_FALSE(registry->keyExists(LM, "\\SOFTWARE\\VELDO\\or"));
    EXPECT_EQ(registry->readString(LM, "\\SOFTWARE\\VELDO\\orb\\path\\fm2009", "Path"), "D:\\FM09");
}

TEST_P(RegistryContract, KeysAndNamesIgnoreCaseAndSeparatorNoise)
{
    registry->writeString(LM, "\\SOFTWARE\\VELDO\\orb\\Lang", "lang", "Polish");
    EXPECT_EQ(registry->readString(LM, "software\\veldo\\ORB\\lang", "LANG"), "Polish");
    EXPECT_EQ(registry->readString(LM, "\\\\SOFTWARE\\\\VELDO\\orb\\Lang\\", "Lang"), "Polish");
    EXPECT_TRUE(registry->keyExists(LM, "Software\\Veldo"));

    // Writing under another case replaces the value rather than adding a second one.
    registry->writeString(LM, "\\software\\veldo\\orb\\LANG", "LANG", "English");
    EXPECT_EQ(registry->readString(LM, "\\SOFTWARE\\VELDO\\orb\\Lang", "lang"), "English");
}

TEST_P(RegistryContract, RootsAreSeparateAndValuesAreReplaced)
{
    registry->writeString(LM, "\\Software\\Quornel\\Chromelle", "name", "machine");
    registry->writeString(CU, "\\Software\\Quornel\\Chromelle", "name", "user");
    registry->writeString(CU, "\\Software\\Quornel\\Chromelle", "name", "");
    EXPECT_EQ(registry->readString(LM, "\\Software\\Quornel\\Chromelle", "name"), "machine");
    EXPECT_EQ(registry->readString(CU, "\\Software\\Quornel\\Chromelle", "name"), "");
    EXPECT_TRUE(registry->keyExists(CU, "\\Software\\Quornel\\Chromelle"));
}

TEST_P(RegistryContract, BinaryValuesKeepEveryByte)
{
    std::vector<std::uint8_t> cells(192, 0xFF);
    cells[0] = 0x00;
    cells[1] = 0x0A;
    cells[191] = 0x00;
    registry->writeBinary(CU, "\\Software\\Quornel\\Chromelle", "Gen", cells);
    registry->writeBinary(CU, "\\Software\\Quornel\\Chromelle", "empty", {});
    EXPECT_EQ(registry->readBinary(CU, "\\software\\quornel\\chromelle", "GEN"), cells);
    EXPECT_EQ(registry->readBinary(CU, "\\Software\\Quornel\\Chromelle", "empty"),
        std::vector<std::uint8_t>());
}

TEST_P(RegistryContract, AValueOfAnotherTypeIsAnInvalidDataType)
{
    registry->writeBinary(CU, "\\Software\\Quornel\\Chromelle", "Gen", {1, 2, 3});
    registry->writeString(CU, "\\Software\\Quornel\\Chromelle", "tintabel", "text");
    EXPECT_EQ(errorText<RegistryError>(
                  [&] { registry->readString(CU, "\\Software\\Quornel\\Chromelle", "gen"); }),
        "Invalid data type for 'gen'");
    EXPECT_EQ(errorText<RegistryError>(
                  [&] { registry->readBinary(CU, "\\Software\\Quornel\\Chromelle", "tintabel"); }),
        "Invalid data type for 'tintabel'");
}

TEST_P(RegistryContract, TextsKeepQuotesBackslashesLineBreaksAndNonAsciiCharacters)
{
    const std::string texts[]
        = {"C:\\Games\\FM\\", "say \"hi\"", "two\r\nlines\n", "Menedżer kolorów", "\\\\\""};
    for (const std::string& text : texts) {
        registry->writeString(LM, "\\SOFTWARE\\VELDO", "value", text);
        EXPECT_EQ(registry->readString(LM, "\\SOFTWARE\\VELDO", "value"), text);
    }
    // The default value has the empty name; a value name that is not ASCII ignores case too.
    registry->writeString(LM, "\\SOFTWARE\\VELDO", "", "default");
    registry->writeString(LM, "\\SOFTWARE\\VELDO", "Żółw", "tortoise");
    EXPECT_EQ(registry->readString(LM, "\\SOFTWARE\\VELDO", ""), "default");
    EXPECT_EQ(registry->readString(LM, "\\SOFTWARE\\VELDO", "żółW"), "tortoise");
}

INSTANTIATE_TEST_SUITE_P(Stores, RegistryContract, ::testing::Values(Kind::File, Kind::Memory),
    [](const auto& info) { return info.param == Kind::File ? "File" : "Memory"; });

} // namespace
} // namespace tintabel
