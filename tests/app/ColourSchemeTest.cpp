#include "support/EditorsFixture.h"
#include "support/ErrorText.h"
#include "support/SchemeRecord.h"
#include "support/UserFolderFixture.h"
#include "support/XmlTestDocuments.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace tintabel::testing {
namespace {

namespace fs = std::filesystem;

// The reader's cases are its own tests'; here, what the window does with them.
class ColourSchemeTest : public EditorsFixture {
protected:
    // The slots whose samples show a picture.
    std::vector<std::size_t> shownSamples()
    {
        std::vector<std::size_t> shown;
        for (std::size_t index = 0; index < kSlotCount; ++index) {
            const PreviewSample* sample = window().preview().sample(index);
            if (sample && !sample->picture().isNull() && !sample->isHidden())
                shown.push_back(index);
        }
        return shown;
    }
};

TEST_F(ColourSchemeTest, ASavedSchemeLoadsBackEveryColourAndAlphaEvenFromAReadOnlyFile)
{
    TForm1& form = loaded();
    clickAnswering("sctbt", std::nullopt);
    const std::string scheme = (user / "mine.ctm").string();
    clickAnswering("sctbt", scheme);
    const std::string saved = workingFile();
    EXPECT_EQ(readBytes(scheme), saved);
    fs::permissions(scheme, fs::perms::owner_read | fs::perms::group_read);
    files.refuseWrites(user.withSlash());

    click("earb");
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        model().setColour(index, 0x123456);
        form.SampleRender(index, 3);
    }
    clickAnswering("loadbt", scheme);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(dialogs.asked()[1].request.defaultExtension, "ctm");
    EXPECT_TRUE(dialogs.asked()[2].request.mayNotExist);
    EXPECT_EQ(workingFile(), saved); // every colour and alpha
    EXPECT_EQ(shownSamples().size(), kSlotCount);
    // The editors show the slot that was selected, with its loaded values.
    EXPECT_EQ(model().selected(), 3u);
    EXPECT_EQ(texts(), (std::array<QString, 5> {"0", "255", "0", "00FF00", "0"}));
    expectInStep();
}

// Only the samples of the slots in the file and of the selected one are rendered again; the
// working file is written unless the read failed.
TEST_F(ColourSchemeTest, WhatALoadRendersAndWrites)
{
    struct Case {
        const char* name;
        std::optional<std::string> bytes; // nullopt: a missing file
        std::vector<std::size_t> shown;
        std::pair<std::size_t, ColourValue> slot;
        std::vector<std::string> errors;
    };
    const Case cases[] = {
        {"good.ctm", schemeRecord("good attribute", "3", "2", "1"), {0, 2}, {2, 0x010203}, {}},
        {"empty.ctm", "", {0}, {2, kColours[2]}, {}},
        {"missing.ctm", std::nullopt, {}, {1, kColours[1]}, {}},
        // The records before the fault are applied.
        {"bad.ctm",
            schemeRecord("low attribute", "1", "2", "3", "4")
                + schemeRecord("normal attribute", "", "", ""),
            {0}, {0, 0x030201}, {notAnInteger("")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        loaded();
        writeBytes(stateFolder() + WorkingColourFile::kFileName, "old");
        clickAnswering("loadbt", c.bytes ? userFile(c.name, *c.bytes) : (user / c.name).string());
        EXPECT_EQ(shownSamples(), c.shown);
        EXPECT_EQ(model().colour(c.slot.first), c.slot.second);
        EXPECT_EQ(messages.errors(), c.errors);
        EXPECT_EQ(workingFile(),
            c.bytes && c.errors.empty() ? WorkingColourFile::contents(model()) : "old");
        close();
    }
    // Cancelling leaves the samples and writes the slots as they are.
    loaded();
    clickAnswering("loadbt", std::nullopt);
    EXPECT_EQ(shownSamples().size(), kSlotCount);
    EXPECT_EQ(workingFile(), WorkingColourFile::contents(model()));
}

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
