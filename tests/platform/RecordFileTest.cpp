#include "platform/Errors.h"
#include "platform/LocalFileSystem.h"
#include "platform/doubles/FaultyFileSystem.h"
#include "support/TempFolder.h"

#include <array>
#include <gtest/gtest.h>

namespace tintabel {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using Record = std::array<std::uint8_t, 4>;

// Runs an action and gives the text of the InOutError it raised.
template<typename Action> std::string failureOf(Action action)
{
    try {
        action();
    } catch (const InOutError& error) {
        return error.what();
    }
    return "no error";
}

class RecordFileTest : public ::testing::Test {
protected:
    TempFolder tmp;
    LocalFileSystem files {Environment {}};
    std::string path = tmp.withSlash() + "\\dane.dat";
};

TEST_F(RecordFileTest, WritesAndReadsAtPositions)
{
    auto records = files.openRecords(path, 4, RecordAccess::Create);
    EXPECT_EQ(records->count(), 0u);
    for (std::uint8_t i = 0; i < 3; ++i)
        records->write(records->count(), Record {i, i, i, i});
    records->write(1, Record {'a', 'b', 'c', 'd'});
    records->close();
    records->close();
    EXPECT_EQ(tmp.read("dane.dat"), std::string("\0\0\0\0abcd\2\2\2\2", 12));

    tmp.write("dane.dat", tmp.read("dane.dat") + "xyz");
    records = files.openRecords(path, 4, RecordAccess::ReadOnly);
    EXPECT_EQ(records->count(), 3u);
    Record record {};
    records->read(2, record);
    EXPECT_EQ(record, (Record {2, 2, 2, 2}));
    records->read(1, record);
    EXPECT_EQ(record, (Record {'a', 'b', 'c', 'd'}));
    EXPECT_EQ(failureOf([&] { records->read(3, record); }), "Read beyond end of file");
    EXPECT_EQ(failureOf([&] { records->write(0, record); }), "File access denied");
    records->close();
    EXPECT_THROW(records->count(), InOutError);
}

TEST_F(RecordFileTest, CreateReplacesAndReadWriteKeeps)
{
    tmp.write("dane.dat", "12345678");
    auto records = files.openRecords(path, 4, RecordAccess::ReadWrite);
    EXPECT_EQ(records->count(), 2u);
    records->write(2, Record {'9', '9', '9', '9'});
    records->close();
    EXPECT_EQ(tmp.read("dane.dat"), "123456789999");
    EXPECT_EQ(files.openRecords(path, 4, RecordAccess::Create)->count(), 0u);
    EXPECT_EQ(tmp.read("dane.dat"), "");
}

TEST_F(RecordFileTest, FailuresCarryTheReason)
{
    EXPECT_EQ(
        failureOf([&] { files.openRecords(path, 67, RecordAccess::ReadWrite); }), "File not found");
    EXPECT_EQ(
        failureOf([&] { files.openRecords(path, 67, RecordAccess::ReadOnly); }), "File not found");
    EXPECT_EQ(failureOf([&] {
        files.openRecords(tmp.withSlash() + "missing/dane.dat", 67, RecordAccess::Create);
    }),
        "Path not found");
    EXPECT_EQ(failureOf([&] { files.openRecords("Z:\\dane.dat", 67, RecordAccess::Create); }),
        "Path not found");
    EXPECT_EQ(failureOf([&] { files.openRecords(tmp.withSlash(), 67, RecordAccess::Create); }),
        "File access denied");

    tmp.write("dane.dat", "keep");
    fs::permissions(tmp / "dane.dat", fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(failureOf([&] { files.openRecords(path, 67, RecordAccess::ReadWrite); }),
        "File access denied");
    EXPECT_EQ(failureOf([&] { files.openRecords(path, 67, RecordAccess::Create); }),
        "File access denied");
    EXPECT_EQ(tmp.read("dane.dat"), "keep");
    EXPECT_EQ(files.openRecords(path, 2, RecordAccess::ReadOnly)->count(), 2u);
}

TEST_F(RecordFileTest, ARefusedFolderRefusesWritingButNotReading)
{
    tmp.write("dane.dat", "keep");
    FaultyFileSystem faulty(Environment {});
    faulty.refuseWrites(tmp.withSlash());
    EXPECT_EQ(failureOf([&] { faulty.openRecords(path, 2, RecordAccess::ReadWrite); }),
        "File access denied");
    EXPECT_EQ(failureOf([&] { faulty.openRecords(path, 2, RecordAccess::Create); }),
        "File access denied");
    EXPECT_EQ(faulty.openRecords(path, 2, RecordAccess::ReadOnly)->count(), 2u);
    faulty.refuseReads(path);
    EXPECT_EQ(failureOf([&] { faulty.openRecords(path, 2, RecordAccess::ReadOnly); }),
        "File access denied");
    EXPECT_EQ(tmp.read("dane.dat"), "keep");
}

TEST_F(RecordFileTest, WholeFiles)
{
    const std::string big(200'000, 'b');
    files.writeFileAtomically(path, big);
    EXPECT_EQ(files.readFile(path), big);
    files.writeFileAtomically(path, "");
    EXPECT_EQ(files.readFile(path), "");
    EXPECT_EQ(failureOf([&] { files.readFile(tmp.withSlash() + "none"); }), "File not found");
    EXPECT_EQ(failureOf([&] { files.readFile(tmp.withSlash()); }), "File access denied");

    files.writeFileAtomically(path, "keep");
    fs::permissions(tmp / "dane.dat", fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(failureOf([&] { files.writeFileAtomically(path, "new"); }),
        copyFailureText(path, "File access denied"));
    EXPECT_EQ(tmp.read("dane.dat"), "keep");
}

} // namespace
} // namespace tintabel
