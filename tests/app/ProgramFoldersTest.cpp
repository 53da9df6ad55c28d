#include "support/EditorsFixture.h"

#include <QPushButton>

namespace tintabel::testing {
namespace {

// Files where the state and cache folders belong, and neither a runtime nor a temporary folder.
TEST_F(EditorsFixture, FoldersThatCannotBeMadeAreToldOnceAndTheProgramGoesOnWithoutThem)
{
    home.write(".local/state/veldo-tintabel", "");
    home.write(".cache/veldo-tintabel", "");
    services.environment.runtimeFolder.clear(); // and "tmp" is not there
    TForm1& form = loaded();
    retype(named<QLineEdit>(form, "re"), "123");
    named<QPushButton>(form, "sctbt")->setEnabled(true);
    dialogs.queueAnswer(home.withSlash() + "mine.ctm");
    QTest::mouseClick(named<QPushButton>(form, "sctbt"), Qt::LeftButton);
    home.write("fm.xml", readBytes(program / "fm colours09.xml"));
    dialogs.queueAnswer(home.withSlash() + "fm.xml");
    QTest::mouseClick(named<QPushButton>(form, "lsbt"), Qt::LeftButton);

    // The cache goes unmentioned: the update check does without it quietly.
    const std::string at = home.withSlash();
    const std::string state = "Cannot create folder \"" + at + ".local/state/veldo-tintabel\". ";
    const std::string temp = "Cannot create a folder in \"" + at + "tmp\". ";
    EXPECT_EQ(messages.errors(),
        (std::vector<std::string> {state + "File exists\n" + temp + "File not found",
            "Cannot create file \"" + at + "mine.ctm\". Path not found",
            "Cannot load \"" + at + "fm.xml\". Path not found"}));
}

} // namespace
} // namespace tintabel::testing
