#include "colours/WorkingColourFile.h"

#include "colours/SlotModel.h"
#include "platform/Errors.h"
#include "platform/LocalFileSystem.h"
#include "platform/doubles/FaultyFileSystem.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace tintabel {
namespace {

class WorkingColourFileTest : public ::testing::Test {
protected:
    testing::TempFolder program;
    FaultyFileSystem files {Environment {}};
    SlotModel slotModel;
    WorkingColourFile file {files, program.withSlash(), slotModel};
};

// Which bytes the records hold is the records' own test; here where they go and when.
TEST_F(WorkingColourFileTest, HoldsTheRecordsOfTheMomentAndAFailedWriteKeepsTheOldFile)
{
    program.write("dane.dat", std::string(1000, 'x'));
    slotModel.setColour(0, 0x0A141E);
    file.data();
    EXPECT_EQ(file.path(), program.withSlash() + "dane.dat");
    EXPECT_EQ(program.read("dane.dat"), WorkingColourFile::contents(slotModel));
    slotModel.setAlpha(7, "0");
    file.data();
    EXPECT_EQ(program.read("dane.dat"), WorkingColourFile::contents(slotModel));

    file.data();
    const std::string before = program.read("dane.dat");
    slotModel.setColour(4, 0);
    const std::pair<int, const char*> faults[]
        = {{EACCES, "File access denied"}, {ENOSPC, "Disk full"}, {EDQUOT, "Disk quota exceeded"}};
    for (const auto& [error, reason] : faults) {
        SCOPED_TRACE(reason);
        FaultyFileSystem faulty {Environment {}};
        faulty.failWrites(program.withSlash(), error);
        EXPECT_EQ(testing::errorText<InOutError>(
                      [&] { WorkingColourFile(faulty, program.withSlash(), slotModel).data(); }),
            copyFailureText(program.withSlash() + "dane.dat", reason));
        EXPECT_EQ(program.read("dane.dat"), before);
        // Nothing half-written is left beside it.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program.path()), {}), 1);
    }
}

} // namespace
} // namespace tintabel
