#include "platform/doubles/FaultyFileSystem.h"
#include "platform/doubles/ScriptedDialogs.h"
#include "platform/doubles/ScriptedDownloader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

TEST(ScriptedDialogs, AnswersInTheOrderAskedAndCancelsWhenNothingIsQueued)
{
    ScriptedDialogs dialogs;
    dialogs.queueAnswer("/tmp/a.xml");
    dialogs.queueCancel();
    dialogs.queueAnswer("/tmp/fm");
    const FileDialogRequest open {"od", "XML|*.xml", "", ""};
    const FileDialogRequest save {"sv", "", "", "colours.xml"};

    EXPECT_EQ(dialogs.openFile(open), "/tmp/a.xml");
    EXPECT_EQ(dialogs.saveFile(save), std::nullopt);
    EXPECT_EQ(dialogs.chooseFolder(), "/tmp/fm");
    EXPECT_EQ(dialogs.openFile(open), std::nullopt);
    EXPECT_EQ(dialogs.pending(), 0u);

    ASSERT_EQ(dialogs.asked().size(), 4u);
    EXPECT_EQ(dialogs.asked()[0].kind, ScriptedDialogs::Kind::Open);
    EXPECT_EQ(dialogs.asked()[0].request.filter, "XML|*.xml");
    EXPECT_EQ(dialogs.asked()[1].kind, ScriptedDialogs::Kind::Save);
    EXPECT_EQ(dialogs.asked()[1].request.initialFileName, "colours.xml");
    EXPECT_EQ(dialogs.asked()[2].kind, ScriptedDialogs::Kind::Folder);
}

TEST(ScriptedDownloader, WritesQueuedBytesAndIsOfflineWithoutAScript)
{
    testing::TempFolder tmp;
    FaultyFileSystem files {Environment {}};
    ScriptedDownloader downloader {files};
    const std::string destination = tmp.withSlash() + "\\orb.ini";
    downloader.queueFile("[update]\nversion=3\n");
    downloader.queueResult(0x800C0006);
    // A file system that refuses the write makes a failed download, not an exception.
    downloader.queueFile("new");

    EXPECT_EQ(downloader.download("http://a/orb.ini", destination), 0u);
    EXPECT_EQ(downloader.download("http://b/orb.ini", destination), 0x800C0006u);
    files.refuseWrites(tmp.path().string());
    const std::uint32_t refused = downloader.download("http://d/orb.ini", destination);
    EXPECT_NE(refused, 0u);
    EXPECT_NE(refused, Downloader::kCannotConnect);
    EXPECT_EQ(downloader.download("http://c/orb.ini", destination), Downloader::kCannotConnect);
    EXPECT_EQ(tmp.read("orb.ini"), "[update]\nversion=3\n");
    ASSERT_EQ(downloader.requested().size(), 4u);
    EXPECT_EQ(downloader.requested()[3].url, "http://c/orb.ini");
    EXPECT_EQ(downloader.requested()[3].destination, destination);
}

} // namespace
} // namespace tintabel
