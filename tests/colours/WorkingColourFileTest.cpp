#include "colours/WorkingColourFile.h"

#include "colours/SlotModel.h"
#include "platform/Errors.h"
#include "platform/doubles/FaultyFileSystem.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"

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
TEST_F(WorkingColourFileTest, HoldsExactlyTheEightRecordsOfTheMomentWhateverLayThere)
{
    program.write("dane.dat", std::string(1000, 'x'));
    slotModel.setColour(0, 0x0A141E);
    file.data();
    EXPECT_EQ(file.path(), program.withSlash() + "dane.dat");
    EXPECT_EQ(program.read("dane.dat"), WorkingColourFile::contents(slotModel));
    slotModel.setAlpha(7, "0");
    file.data();
    EXPECT_EQ(program.read("dane.dat"), WorkingColourFile::contents(slotModel));
}

TEST_F(WorkingColourFileTest, AnUnwritableFolderRaisesTheReasonAndKeepsTheOldFile)
{
    file.data();
    const std::string before = program.read("dane.dat");
    files.refuseWrites(program.withSlash());
    slotModel.setColour(4, 0);
    EXPECT_EQ(testing::errorText<InOutError>([this] { file.data(); }), "File access denied");
    EXPECT_EQ(program.read("dane.dat"), before);
    // Nothing half-written is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program.path()), {}), 1);
}

} // namespace
} // namespace tintabel
