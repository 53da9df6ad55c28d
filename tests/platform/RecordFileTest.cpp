#include "platform/Errors.h"
#include "platform/LocalFileSystem.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"

#include <array>
#include <gtest/gtest.h>

namespace tintabel {
namespace {

namespace fs = std::filesystem;
using Record = std::array<std::uint8_t, 4>;
using testing::errorText;

class RecordFileTest : public ::testing::Test {
protected:
    testing::TempFolder tmp;
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
    EXPECT_EQ(errorText<InOutError>([&] { records->read(3, record); }), "Read beyond end of file");
    EXPECT_EQ(errorText<InOutError>([&] { records->write(0, record); }), "File access denied");
    records->close();
    EXPECT_THROW(records->count(), InOutError);

    // Read-write keeps what is there; create starts empty.
    tmp.write("dane.dat", "12345678");
    records = files.openRecords(path, 4, RecordAccess::ReadWrite);
    EXPECT_EQ(records->count(), 2u);
    records->write(2, Record {'9', '9', '9', '9'});
    records->close();
    EXPECT_EQ(tmp.read("dane.dat"), "123456789999");
    EXPECT_EQ(files.openRecords(path, 4, RecordAccess::Create)->count(), 0u);
    EXPECT_EQ(tmp.read("dane.dat"), "");
}

TEST_F(RecordFileTest, FailuresCarryTheReasonAndChangeNothing)
{
    const std::string missingFolder = tmp.withSlash() + "missing/dane.dat";
    const std::tuple<std::string, RecordAccess, const char*> cases[] = {
        {path, RecordAccess::ReadWrite, "File not found"},
        {path, RecordAccess::ReadOnly, "File not found"},
        {missingFolder, RecordAccess::Create, "Path not found"},
        {"Z:\\dane.dat", RecordAccess::Create, "Path not found"},
        {tmp.withSlash(), RecordAccess::Create, "File access denied"},
    };
    for (const auto& [at, access, reason] : cases)
        EXPECT_EQ(errorText<InOutError>([&] { files.openRecords(at, 67, access); }), reason) << at;

    // A read-only file opens for reading only.
    tmp.write("dane.dat", "keep");
    fs::permissions(tmp / "dane.dat", fs::perms::owner_write, fs::perm_options::remove);
    for (const RecordAccess access : {RecordAccess::ReadWrite, RecordAccess::Create})
        EXPECT_EQ(errorText<InOutError>([&] { files.openRecords(path, 2, access); }),
            "File access denied");
    EXPECT_EQ(files.openRecords(path, 2, RecordAccess::ReadOnly)->count(), 2u);
    EXPECT_EQ(tmp.read("dane.dat"), "keep");
}

TEST_F(RecordFileTest, WholeFiles)
{
    const std::string big(200'000, 'b');
    files.writeFileAtomically(path, big);
    EXPECT_EQ(files.readFile(path), big);
    files.writeFileAtomically(path, "");
    EXPECT_EQ(files.readFile(path), "");
    EXPECT_EQ(
        errorText<InOutError>([&] { files.readFile(tmp.withSlash() + "none"); }), "File not found");
    EXPECT_EQ(
        errorText<InOutError>([&] { files.readFile(tmp.withSlash()); }), "File access denied");

    files.writeFileAtomically(path, "keep");
    fs::permissions(tmp / "dane.dat", fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(errorText<InOutError>([&] { files.writeFileAtomically(path, "new"); }),
        copyFailureText(path, "File access denied"));
    EXPECT_EQ(tmp.read("dane.dat"), "keep");
}

} // namespace
} // namespace tintabel
