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

    // Clicks the button, answering its dialog with the path or cancelling it.
    void clickAnswered(const char* button, const std::optional<std::string>& path)
    {
        if (path)
            dialogs.queueAnswer(*path);
        else
            dialogs.queueCancel();
        QTest::mouseClick(named<QPushButton>(window(), button), Qt::LeftButton);
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

    // Something no write of the working file leaves there.
    void spoilWorkingFile() { program.write(WorkingColourFile::kFileName, "old"); }

    TempFolder user;
};

TEST_F(ColourSchemeTest, ASavedSchemeLoadsBackEveryColourAndAlphaEvenFromAReadOnlyFile)
{
    TForm1& form = ready();
    const std::string scheme = (user / "mine.ctm").string();
    clickAnswered("sctbt", scheme);
    EXPECT_EQ(readBytes(scheme), workingFile());
    fs::permissions(scheme, fs::perms::owner_read | fs::perms::group_read);
    files.refuseWrites(user.withSlash());

    QTest::mouseClick(named<QRadioButton>(form, "earb"), Qt::LeftButton);
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        model().setColour(index, 0x123456);
        form.SampleRender(index, 3);
    }
    clickAnswered("loadbt", scheme);
    EXPECT_TRUE(messages.shown().empty());
    ASSERT_EQ(dialogs.asked().size(), 2u);
    const FileDialogRequest& save = dialogs.asked()[0].request;
    const FileDialogRequest& load = dialogs.asked()[1].request;
    EXPECT_EQ(std::tie(save.name, save.filter, save.defaultExtension),
        std::tie("JvSaveDialog1", "CTM files|*.ctm", "ctm"));
    EXPECT_EQ(std::tie(load.name, load.filter, load.defaultExtension),
        std::tie("j2", "CTM File|*.ctm", ""));
    EXPECT_TRUE(load.mayNotExist);
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        EXPECT_EQ(model().colour(index), kColours[index]) << index;
        EXPECT_EQ(model().alpha(index), kAlphas[index]) << index;
    }
    EXPECT_EQ(shownSamples().size(), kSlotCount);
    // The editors show the slot that was selected, with its loaded values.
    EXPECT_EQ(model().selected(), 3u);
    EXPECT_EQ(texts(), (std::array<QString, 5> {"0", "255", "0", "00FF00", "0"}));
    expectInStep();
}

TEST_F(ColourSchemeTest, AFailedSaveIsReportedWithItsReasonAndACancelledOneAsksNothing)
{
    ready();
    files.refuseWrites(user.withSlash());
    const std::string scheme = (user / "mine.ctm").string();
    clickAnswered("sctbt", scheme);
    EXPECT_EQ(messages.errors(),
        (std::vector<std::string> {copyFailureText(scheme, "File access denied")}));
    EXPECT_FALSE(fs::exists(scheme));

    messages.clear();
    clickAnswered("sctbt", std::nullopt);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ColourSchemeTest, OnlyTheSamplesOfTheSlotsInTheFileAndOfTheSelectedOneAreRenderedAgain)
{
    ready();
    spoilWorkingFile();
    clickAnswered("loadbt", userFile("good.ctm", schemeRecord("good attribute", "3", "2", "1")));
    EXPECT_EQ(model().colour(2), makeColour(3, 2, 1));
    EXPECT_EQ(shownSamples(), (std::vector<std::size_t> {0, 2}));
    EXPECT_EQ(workingFile(), WorkingColourFile::contents(model()));

    // An empty file changes no slot and still rewrites the working file.
    spoilWorkingFile();
    clickAnswered("loadbt", userFile("empty.ctm"));
    EXPECT_EQ(model().colour(2), makeColour(3, 2, 1));
    EXPECT_EQ(shownSamples(), (std::vector<std::size_t> {0}));
    EXPECT_EQ(workingFile(), WorkingColourFile::contents(model()));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ColourSchemeTest, AMissingFileClearsTheSamplesAndACancelKeepsThem)
{
    ready();
    spoilWorkingFile();
    clickAnswered("loadbt", (user / "typed name.ctm").string());
    EXPECT_TRUE(shownSamples().empty());
    EXPECT_EQ(model().colour(1), kColours[1]);
    EXPECT_EQ(workingFile(), "old");
    EXPECT_TRUE(messages.shown().empty());

    // Cancelling leaves the samples and writes the slots as they are.
    window().SampleRender(1, 255);
    clickAnswered("loadbt", std::nullopt);
    EXPECT_EQ(shownSamples(), (std::vector<std::size_t> {1}));
    EXPECT_EQ(workingFile(), WorkingColourFile::contents(model()));
}

TEST_F(ColourSchemeTest, ATextThatIsNoIntegerIsReportedWithTheRecordsBeforeItApplied)
{
    ready();
    spoilWorkingFile();
    clickAnswered("loadbt",
        userFile("bad.ctm",
            schemeRecord("low attribute", "1", "2", "3", "4")
                + schemeRecord("normal attribute", "", "", "")));
    EXPECT_EQ(messages.errors(), (std::vector<std::string> {testing::notAnInteger("")}));
    EXPECT_EQ(model().colour(0), makeColour(1, 2, 3));
    EXPECT_EQ(shownSamples(), (std::vector<std::size_t> {0}));
    EXPECT_EQ(workingFile(), "old");
}

} // namespace
} // namespace tintabel::testing
