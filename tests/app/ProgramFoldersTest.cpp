#include "support/EditorsFixture.h"

#include <QPushButton>

#include <filesystem>

namespace tintabel::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(MainWindowFixture, EachWindowHasAPrivateRunFolder)
{
    TForm1& form = start();
    const TForm1 second(services);
    for (const TForm1* window : std::initializer_list<const TForm1*> {&form, &second}) {
        const fs::path temp = window->folders().temp;
        EXPECT_EQ(temp.parent_path(), home / "run");
        EXPECT_TRUE(temp.filename().string().starts_with("veldo-tintabel-")) << temp;
        EXPECT_EQ(fs::status(temp).permissions(), fs::perms::owner_all) << temp;
    }
    EXPECT_NE(form.folders().temp, second.folders().temp);
}

struct FolderFault {
    const char* name;
    const char* fileInPlace; // under home; "" for none
    std::vector<const char*> refused; // folders under home that may not be written
    const char* told; // the one start-up message, "~" standing for home; "" for none
    const char* runFolderIn; // under home; "" for none
};

void PrintTo(const FolderFault& fault, std::ostream* out)
{
    *out << fault.name;
}

class FolderFaults : public EditorsFixture, public ::testing::WithParamInterface<FolderFault> { };

TEST_P(FolderFaults, AreToldOnceAtStartAndEditingGoesOn)
{
    const FolderFault& fault = GetParam();
    if (*fault.fileInPlace)
        home.write(fault.fileInPlace, "");
    for (const char* folder : fault.refused)
        files.refuseWrites((home / folder).string());
    TForm1& form = loaded();
    std::string told = fault.told;
    for (std::size_t at = told.find('~'); at != std::string::npos; at = told.find('~'))
        told.replace(at, 1, home.path().string());
    retype(named<QLineEdit>(form, "re"), "123");

    EXPECT_EQ(messages.errors(), *fault.told ? std::vector {told} : std::vector<std::string> {});
    EXPECT_EQ(fs::path(form.folders().temp).parent_path(),
        *fault.runFolderIn ? home / fault.runFolderIn : fs::path());
    const bool stateBlocked = std::string_view(fault.fileInPlace).starts_with(".local/state");
    EXPECT_EQ(form.workingFile().path(), stateBlocked ? "" : stateFolder() + "dane.dat");
    EXPECT_EQ(fs::exists(stateFolder() + "dane.dat"), !stateBlocked);
}

INSTANTIATE_TEST_SUITE_P(Locations, FolderFaults,
    ::testing::Values(
        FolderFault {"state", ".local/state/veldo-tintabel", {},
            "Cannot create folder \"~/.local/state/veldo-tintabel\". File exists", "run"},
        FolderFault {"cache", ".cache/veldo-tintabel", {}, "", "run"},
        FolderFault {"runtime", "", {"run"}, "", "tmp"},
        FolderFault {"runAndTemporary", "", {"run", "tmp"},
            "Cannot create a folder in \"~/run\". File access denied\n"
            "Cannot create a folder in \"~/tmp\". File access denied",
            ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorsFixture, WithoutAStateFolderASchemeSaveSaysItCannotCopy)
{
    home.write(".local/state/veldo-tintabel", "");
    TForm1& form = loaded();
    named<QPushButton>(form, "sctbt")->setEnabled(true);
    const std::string scheme = (home / "mine.ctm").string();
    dialogs.queueAnswer(scheme);
    QTest::mouseClick(named<QPushButton>(form, "sctbt"), Qt::LeftButton);
    ASSERT_EQ(messages.errors().size(), 2u);
    EXPECT_TRUE(messages.errors()[1].starts_with("Cannot create file \"" + scheme + "\". "))
        << messages.errors()[1];
    EXPECT_FALSE(fs::exists(scheme));
}

TEST_F(MainWindowFixture, WithoutARunFolderALoadSaysWhyAndCopiesNothing)
{
    files.refuseWrites((home / "run").string());
    files.refuseWrites((home / "tmp").string());
    TForm1& form = start();
    const std::string source = (home / "fm colours.xml").string();
    fs::copy_file(program / "fm colours09.xml", source);
    dialogs.queueAnswer(source);
    QTest::mouseClick(named<QPushButton>(form, "lsbt"), Qt::LeftButton);
    ASSERT_EQ(messages.errors().size(), 2u);
    EXPECT_EQ(messages.errors()[1], "Cannot load \"" + source + "\". Path not found");
    EXPECT_FALSE(fs::exists("/fm colours.xml"));
}

} // namespace
} // namespace tintabel::testing
