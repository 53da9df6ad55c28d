#include "platform/LocalFileSystem.h"
#include "support/EditorsFixture.h"
#include "support/ErrorText.h"
#include "support/SchemeRecord.h"

#include <QPushButton>

#include <filesystem>

namespace tintabel::testing {
namespace {

namespace fs = std::filesystem;

class ColourSchemeTest : public EditorsFixture {
protected:
    // A loaded colour document, with the scheme buttons enabled as the loaders leave them.
    TForm1& ready()
    {
        TForm1& form = loaded();
        named<QPushButton>(form, "sctbt")->setEnabled(true);
        named<QPushButton>(form, "loadbt")->setEnabled(true);
        return form;
    }

    std::string userFile(std::string_view name, std::string_view bytes = {})
    {
        user.write(name, bytes);
        return (user / name).string();
    }

    void saveScheme(const std::string& path)
    {
        dialogs.queueAnswer(path);
        QTest::mouseClick(named<QPushButton>(window(), "sctbt"), Qt::LeftButton);
    }

    void loadScheme(const std::string& path)
    {
        dialogs.queueAnswer(path);
        QTest::mouseClick(named<QPushButton>(window(), "loadbt"), Qt::LeftButton);
    }

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

    void expectSlotsAsLoaded()
    {
        for (std::size_t index = 0; index < kSlotCount; ++index) {
            EXPECT_EQ(model().colour(index), kColours[index]) << index;
            EXPECT_EQ(model().alpha(index), kAlphas[index]) << index;
        }
    }

    // Something no write of the working file leaves there.
    void spoilWorkingFile() { program.write(WorkingColourFile::kFileName, "old"); }

    TempFolder user;
};

TEST_F(ColourSchemeTest, ASavedSchemeLoadsBackEveryColourAndAlpha)
{
    TForm1& form = ready();
    const std::string scheme = (user / "mine.ctm").string();
    saveScheme(scheme);
    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(dialogs.asked()[0].request.name, "JvSaveDialog1");
    EXPECT_EQ(dialogs.asked()[0].request.filter,
        "CTM files|*.ctm|GIMP palette|*.gpl|Adobe Swatch Exchange|*.ase");
    EXPECT_EQ(dialogs.asked()[0].request.defaultExtension, "ctm");
    EXPECT_EQ(fs::file_size(scheme), 536u);
    EXPECT_EQ(readBytes(scheme), workingFile());

    for (std::size_t index = 0; index < kSlotCount; ++index) {
        model().setColour(index, 0x123456);
        form.SampleRender(index, 3);
    }
    loadScheme(scheme);
    EXPECT_TRUE(messages.shown().empty());
    ASSERT_EQ(dialogs.asked().size(), 2u);
    EXPECT_EQ(dialogs.asked()[1].request.name, "j2");
    EXPECT_EQ(dialogs.asked()[1].request.filter,
        "CTM File|*.ctm|GIMP palette|*.gpl|Adobe Swatch Exchange|*.ase");
    EXPECT_EQ(dialogs.asked()[1].request.defaultExtension, "");
    EXPECT_TRUE(dialogs.asked()[1].request.mayNotExist);
    expectSlotsAsLoaded();
    EXPECT_EQ(shownSamples().size(), kSlotCount);
    expectInStep();
}

TEST_F(ColourSchemeTest, AFailedSaveIsReportedWithItsReasonAndWritesNothing)
{
    ready();
    files.refuseWrites(user.withSlash());
    const std::string scheme = (user / "mine.ctm").string();
    saveScheme(scheme);
    EXPECT_EQ(messages.errors(),
        (std::vector<std::string> {copyFailureText(scheme, "File access denied")}));
    EXPECT_FALSE(fs::exists(scheme));

    // Cancelling asks nothing more.
    messages.clear();
    dialogs.queueCancel();
    QTest::mouseClick(named<QPushButton>(window(), "sctbt"), Qt::LeftButton);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ColourSchemeTest, AfterALoadTheEditorsShowTheSelectedSlotsNewValues)
{
    TForm1& form = ready();
    QTest::mouseClick(named<QRadioButton>(form, "earb"), Qt::LeftButton);
    ASSERT_EQ(model().selected(), 3u);
    loadScheme(userFile("one.ctm", schemeRecord("excellent attribute", "1", "2", "3", "4")));

    EXPECT_EQ(texts(), (std::array<QString, 5> {"1", "2", "3", "010203", "4"}));
    expectInStep();
    // The next keystroke changes only its own channel.
    retype(named<QLineEdit>(form, "re"), "9");
    EXPECT_EQ(model().colour(3), makeColour(9, 2, 3));
    EXPECT_EQ(model().alpha(3), "4");
}

TEST_F(ColourSchemeTest, OnlyTheSlotsInTheFileChangeAndTheirSamplesAloneAreRenderedAgain)
{
    ready();
    spoilWorkingFile();
    loadScheme(userFile("good.ctm", schemeRecord("good attribute", "300", "20", "30", "40")));

    for (std::size_t index = 0; index < kSlotCount; ++index) {
        if (index == 2)
            continue;
        EXPECT_EQ(model().colour(index), kColours[index]) << index;
        EXPECT_EQ(model().alpha(index), kAlphas[index]) << index;
    }
    EXPECT_EQ(model().colour(2), makeColour(44, 20, 30));
    EXPECT_EQ(model().alpha(2), "40");
    // The selected slot's sample comes back with the editors brought up to date.
    EXPECT_EQ(shownSamples(), (std::vector<std::size_t> {0, 2}));
    EXPECT_EQ(workingFile(), WorkingColourFile::contents(model()));

    // An empty file changes no slot and still rewrites the working file.
    spoilWorkingFile();
    loadScheme(userFile("empty.ctm"));
    EXPECT_EQ(model().colour(2), makeColour(44, 20, 30));
    EXPECT_EQ(shownSamples(), (std::vector<std::size_t> {0}));
    EXPECT_EQ(workingFile(), WorkingColourFile::contents(model()));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ColourSchemeTest, AMissingFileClearsTheSamplesAndWritesNothing)
{
    ready();
    spoilWorkingFile();
    loadScheme((user / "typed name.ctm").string());
    EXPECT_TRUE(shownSamples().empty());
    expectSlotsAsLoaded();
    EXPECT_EQ(workingFile(), "old");
    EXPECT_TRUE(messages.shown().empty());

    // Cancelling leaves the samples and writes the slots as they are.
    window().SampleRender(1, 255);
    dialogs.queueCancel();
    QTest::mouseClick(named<QPushButton>(window(), "loadbt"), Qt::LeftButton);
    EXPECT_EQ(shownSamples(), (std::vector<std::size_t> {1}));
    EXPECT_EQ(workingFile(), WorkingColourFile::contents(model()));
}

TEST_F(ColourSchemeTest, ATextThatIsNoIntegerIsReportedWithTheRecordsBeforeItApplied)
{
    ready();
    spoilWorkingFile();
    loadScheme(userFile("bad.ctm",
        schemeRecord("low attribute", "1", "2", "3", "4")
            + schemeRecord("normal attribute", "", "", "")
            + schemeRecord("good attribute", "5", "6", "7")));

    EXPECT_EQ(messages.errors(), (std::vector<std::string> {testing::notAnInteger("")}));
    EXPECT_EQ(model().colour(0), makeColour(1, 2, 3));
    EXPECT_EQ(model().alpha(0), "4");
    EXPECT_EQ(model().colour(1), kColours[1]);
    EXPECT_EQ(model().colour(2), kColours[2]);
    EXPECT_EQ(shownSamples(), (std::vector<std::size_t> {0}));
    EXPECT_EQ(workingFile(), "old");
}

TEST_F(ColourSchemeTest, ASchemeThatMayNotBeWrittenLoads)
{
    ready();
    const std::string scheme
        = userFile("shared.ctm", schemeRecord("attribute label", "7", "8", "9"));
    fs::permissions(scheme,
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
        fs::perm_options::remove);
    files.refuseWrites(user.withSlash());

    loadScheme(scheme);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(model().colour(5), makeColour(7, 8, 9));
    EXPECT_EQ(workingFile(), WorkingColourFile::contents(model()));
}

} // namespace
} // namespace tintabel::testing
