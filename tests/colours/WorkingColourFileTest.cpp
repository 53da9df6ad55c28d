#include "colours/WorkingColourFile.h"

#include "colours/SlotModel.h"
#include "platform/Errors.h"
#include "platform/GeneralErrorBox.h"
#include "platform/LocalFileSystem.h"
#include "platform/doubles/FaultyFileSystem.h"
#include "platform/doubles/ScriptedMessageBoxes.h"
#include "support/TempFolder.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace tintabel {
namespace {

using testing::TempFolder;

Environment environmentIn(const TempFolder& home)
{
    Environment env;
    env.home = home.path().string();
    return env;
}

class WorkingColourFileTest : public ::testing::Test {
protected:
    WorkingColourFileTest()
        : files(environmentIn(home))
        , file(files, program.withSlash(), slotModel)
    {
    }

    TempFolder home;
    TempFolder program;
    FaultyFileSystem files;
    SlotModel slotModel;
    WorkingColourFile file;
};

TEST_F(WorkingColourFileTest, HoldsExactlyTheEightRecordsOfTheMomentWhateverLayThere)
{
    program.write("dane.dat", std::string(1000, 'x'));
    slotModel.setColour(0, 0x0A141E);
    file.data();
    EXPECT_EQ(file.path(), program.withSlash() + "dane.dat");
    const std::string first = program.read("dane.dat");
    EXPECT_EQ(first, WorkingColourFile::contents(slotModel));
    EXPECT_EQ(first.size(), 536u);
    // Slot 1 only: the other seven are still white with their alpha texts.
    EXPECT_EQ(first.substr(51, 16),
        std::string("\x02"
                    "30\0\x02"
                    "20\0\x02"
                    "10\0\x03"
                    "255",
            16));
    EXPECT_EQ(first.substr(67 + 51, 12),
        std::string("\x03"
                    "255\x03"
                    "255\x03"
                    "255",
            12));

    file.data();
    EXPECT_EQ(program.read("dane.dat"), first);
    slotModel.setAlpha(7, "0");
    file.data();
    EXPECT_EQ(program.read("dane.dat").substr(7 * 67 + 63, 2),
        std::string("\x01"
                    "0",
            2));
}

TEST_F(WorkingColourFileTest, AFailedWriteRaisesTheFileAndTheReasonAndKeepsTheOldFile)
{
    file.data();
    const std::string before = program.read("dane.dat");
    slotModel.setColour(4, 0);
    const std::pair<int, const char*> faults[]
        = {{EACCES, "File access denied"}, {ENOSPC, "Disk full"}, {EDQUOT, "Disk quota exceeded"}};
    for (const auto& [error, reason] : faults) {
        SCOPED_TRACE(reason);
        FaultyFileSystem faulty(environmentIn(home));
        faulty.failWrites(program.withSlash(), error);
        ScriptedMessageBoxes messages;
        showErrors(
            messages, [&] { WorkingColourFile(faulty, program.withSlash(), slotModel).data(); });
        EXPECT_EQ(messages.errors(),
            std::vector<std::string> {copyFailureText(program.withSlash() + "dane.dat", reason)});
        EXPECT_EQ(program.read("dane.dat"), before);
        // Nothing half-written is left beside it.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program.path()), {}), 1);
    }
}

} // namespace
} // namespace tintabel
