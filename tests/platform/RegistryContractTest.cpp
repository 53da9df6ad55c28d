#include "platform/Errors.h"
#include "platform/RegistryStore.h"
#include "platform/doubles/MemoryRegistry.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <memory>

// The rules every settings store keeps, checked on the file store and on the test double alike,
// so that tests written against the double hold for the program.
namespace tintabel {
namespace {

using testing::errorText;

constexpr auto LM = RegistryRoot::LocalMachine;
constexpr auto CU = RegistryRoot::CurrentUser;
const std::string lang = "\\SOFTWARE\\VELDO\\orb\\Lang",
                  path = "\\SOFTWARE\\VELDO\\orb\\path\\fm2009";
const std::string cells = "\\Software\\Quornel\\Chromelle";

class RegistryContract : public ::testing::TestWithParam<bool> {
protected:
    testing::TempFolder folder;
    std::unique_ptr<Registry> registry = GetParam()
        ? std::unique_ptr<Registry>(std::make_unique<RegistryStore>(folder / "registry.reg"))
        : std::make_unique<MemoryRegistry>();
};

TEST_P(RegistryContract, KeysAreMadeByWritesIgnoreCaseAndNoiseAndValuesKeepBytesAndType)
{
    EXPECT_EQ(registry->readString(LM, lang, "lang"), "");
    EXPECT_EQ(registry->readBinary(CU, cells, "Gen"), std::nullopt);
    EXPECT_FALSE(registry->keyExists(LM, lang));
    EXPECT_FALSE(registry->keyExists(CU, cells));

    registry->writeString(LM, lang, "lang", "English");
    EXPECT_EQ(registry->readString(LM, lang, "other"), "");
    EXPECT_EQ(registry->readBinary(LM, lang, "Gen"), std::nullopt);
    EXPECT_EQ(registry->readString(LM, path, "Path"), "");
    EXPECT_FALSE(registry->keyExists(LM, path));

    registry->writeString(LM, path, "Path", "D:\\FM09");
    EXPECT_TRUE(registry->keyExists(LM, path));
    EXPECT_TRUE(registry->keyExists(LM, "\\SOFTWARE\\VELDO\\orb"));
    EXPECT_TRUE(registry->keyExists(LM, "SOFTWARE"));
    // A name that merely starts like a key is not that key.
    EXPECT_FALSE(registry->keyExists(LM, "\\SOFTWARE\\VELDO\\or"));
    EXPECT_EQ(registry->readString(LM, path, "Path"), "D:\\FM09");

    registry->writeString(LM, lang, "lang", "Polish");
    EXPECT_EQ(registry->readString(LM, "software\\veldo\\ORB\\lang", "LANG"), "Polish");
    EXPECT_EQ(registry->readString(LM, "\\\\SOFTWARE\\\\VELDO\\orb\\Lang\\", "Lang"), "Polish");
    EXPECT_TRUE(registry->keyExists(LM, "Software\\Veldo"));
    // Writing under another case replaces the value rather than adding a second one.
    registry->writeString(LM, "\\software\\veldo\\orb\\LANG", "LANG", "English");
    EXPECT_EQ(registry->readString(LM, lang, "lang"), "English");

    registry->writeString(CU, lang, "lang", "user");
    registry->writeString(CU, lang, "lang", "");
    EXPECT_EQ(registry->readString(LM, lang, "lang"), "English");
    EXPECT_EQ(registry->readString(CU, lang, "lang"), "");
    EXPECT_TRUE(registry->keyExists(CU, lang));

    std::vector<std::uint8_t> bytes(192, 0xFF);
    bytes[0] = bytes[191] = 0x00;
    bytes[1] = 0x0A;
    registry->writeBinary(CU, cells, "Gen", bytes);
    registry->writeBinary(CU, cells, "empty", {});
    EXPECT_EQ(registry->readBinary(CU, "\\software\\quornel\\chromelle", "GEN"), bytes);
    EXPECT_EQ(registry->readBinary(CU, cells, "empty"), std::vector<std::uint8_t>());

    for (const std::string text :
        {"C:\\Games\\FM\\", "say \"hi\"", "two\r\nlines\n", "Menedżer kolorów", "\\\\\""}) {
        registry->writeString(CU, cells, "tintabel", text);
        EXPECT_EQ(registry->readString(CU, cells, "tintabel"), text);
    }
    // The default value has the empty name; a value name that is not ASCII ignores case too.
    registry->writeString(LM, lang, "", "default");
    registry->writeString(LM, lang, "Żółw", "tortoise");
    EXPECT_EQ(registry->readString(LM, lang, ""), "default");
    EXPECT_EQ(registry->readString(LM, lang, "żółW"), "tortoise");

    EXPECT_EQ(errorText<RegistryError>([&] { registry->readString(CU, cells, "gen"); }),
        "Invalid data type for 'gen'");
    EXPECT_EQ(errorText<RegistryError>([&] { registry->readBinary(CU, cells, "tintabel"); }),
        "Invalid data type for 'tintabel'");
}

INSTANTIATE_TEST_SUITE_P(Stores, RegistryContract, ::testing::Bool(),
    [](const auto& info) { return info.param ? "File" : "Memory"; });

} // namespace
} // namespace tintabel
