#include "support/EditorsFixture.h"

#include <QPushButton>

namespace tintabel::testing {
namespace {

// A folder the program cannot make, and every error the user then sees from the start, a red
// typed, a scheme saved and a document loaded by hand, in that order; "~" stands for home.
struct FolderFault {
    const char* name;
    const char* fileInPlace; // under home; "" for none
    bool withoutRuntimeFolder; // the working folder is then made in the temporary folder
    std::vector<const char*> errors;
};

class FolderFaults : public EditorsFixture, public ::testing::WithParamInterface<FolderFault> { };

TEST_P(FolderFaults, AreToldOnceAtStartAndTheProgramGoesOnWithoutThem)
{
    const auto inHome = [this](std::string text) {
        for (std::size_t at = text.find('~'); at != std::string::npos; at = text.find('~'))
            text.replace(at, 1, home.path().string());
        return text;
    };
    if (*GetParam().fileInPlace)
        home.write(GetParam().fileInPlace, "");
    if (GetParam().withoutRuntimeFolder)
        services.environment.runtimeFolder.clear();
    TForm1& form = loaded();
    retype(named<QLineEdit>(form, "re"), "123");
    named<QPushButton>(form, "sctbt")->setEnabled(true);
    dialogs.queueAnswer(inHome("~/mine.ctm"));
    QTest::mouseClick(named<QPushButton>(form, "sctbt"), Qt::LeftButton);
    home.write("fm.xml", readBytes(program / "fm colours09.xml"));
    dialogs.queueAnswer(inHome("~/fm.xml"));
    QTest::mouseClick(named<QPushButton>(form, "lsbt"), Qt::LeftButton);

    std::vector<std::string> errors;
    for (const char* error : GetParam().errors)
        errors.push_back(inHome(error));
    EXPECT_EQ(messages.errors(), errors);
}

INSTANTIATE_TEST_SUITE_P(Locations, FolderFaults,
    ::testing::Values(FolderFault {"state", ".local/state/veldo-tintabel", false,
                          {"Cannot create folder \"~/.local/state/veldo-tintabel\". File exists",
                              "Cannot create file \"~/mine.ctm\". Path not found"}},
        FolderFault {"cache", ".cache/veldo-tintabel", false, {}},
        FolderFault {"temporary", "", true,
            {"Cannot create a folder in \"~/tmp\". File not found",
                "Cannot load \"~/fm.xml\". Path not found"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tintabel::testing
