#include "UserFolderFixture.h"
#include "support/XmlTestDocuments.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace tintabel::testing {
namespace {

using ApplySchemeDialogTest = UserFolderFixture;

TEST_F(ApplySchemeDialogTest, ShowsWhatChangesInTheCheckedSkinsAndWritesOnlyAfterYes)
{
    TempFolder fm;
    locateGameFolder(fm.path().string());
    for (const std::string skin : {"a", "b"}) {
        addSkin(fm.path(), skin, "Skin " + skin);
        fm.write("skins/" + skin + "/settings/c.xml", skinDocument());
    }
    fm.write("s.gpl", "GIMP Palette\n40 5 6 normal attribute\n");
    TForm1& form = start();
    showWindow();
    QTest::keyClick(&form, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    const QDialog* dialog = named<QDialog>(form, "applyskins");
    const auto changes = [&] { return named<QPlainTextEdit>(*dialog, "changes")->toPlainText(); };
    const auto click = [&](const char* button) {
        QTest::mouseClick(named<QPushButton>(*dialog, button), Qt::LeftButton);
    };
    ASSERT_TRUE(dialog->isVisible());
    auto* skins = named<QListWidget>(*dialog, "skins");
    ASSERT_EQ(skins->count(), 2);
    skins->findItems("Skin a", Qt::MatchExactly).front()->setCheckState(Qt::Checked);
    // Nothing is loaded, so the current colours change nothing.
    EXPECT_EQ(changes(), "Skin a\n  c.xml: stays as it is\n");
    EXPECT_FALSE(named<QPushButton>(*dialog, "applybt")->isEnabled());

    dialogs.queueAnswer((fm / "s.gpl").string());
    click("choosebt");
    const QString change = "Skin a\n  c.xml: %1\n    normal attribute: 4,5,6,255 -> 40,5,6,255\n";
    EXPECT_EQ(changes(), change.arg("would change"));
    click("applybt"); // No
    EXPECT_EQ(fm.read("skins/a/settings/c.xml"), skinDocument());
    messages.queueAnswer(true);
    click("applybt");
    EXPECT_EQ(changes(), change.arg("changed"));
    EXPECT_EQ(
        fm.read("skins/a/settings/c.xml"), replaced(skinDocument(), "red=\"4\"", "red=\"40\""));
    EXPECT_EQ(fm.read("skins/b/settings/c.xml"), skinDocument());
}

} // namespace
} // namespace tintabel::testing
