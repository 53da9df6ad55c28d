#include "platform/LocalFileSystem.h"
#include "support/EditorsFixture.h"
#include "support/ErrorText.h"
#include "support/SchemeRecord.h"

#include <QPushButton>

#include <filesystem>

namespace tintabel::testing {
namespace {

namespace fs = std::filesystem;

// The reader's cases are its own tests'; here, what the window does with them.
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
    TForm1& form = ready();
    clickAnswering("sctbt", std::nullopt);
    const std::string scheme = (user / "mine.ctm").string();
    clickAnswering("sctbt", scheme);
    EXPECT_EQ(readBytes(scheme), workingFile());
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

TEST_F(ColourSchemeTest, AFailedSaveIsReportedWithItsReason)
{
    ready();
    files.refuseWrites(user.withSlash());
    const std::string scheme = (user / "mine.ctm").string();
    clickAnswering("sctbt", scheme);
    EXPECT_EQ(messages.errors(),
        (std::vector<std::string> {copyFailureText(scheme, "File access denied")}));
    EXPECT_FALSE(fs::exists(scheme));
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
        ready();
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
    ready();
    clickAnswering("loadbt", std::nullopt);
    EXPECT_EQ(shownSamples().size(), kSlotCount);
    EXPECT_EQ(workingFile(), WorkingColourFile::contents(model()));
}

} // namespace
} // namespace tintabel::testing
