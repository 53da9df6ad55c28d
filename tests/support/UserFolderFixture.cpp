#include "support/UserFolderFixture.h"

#include "colours/UserDataLocation.h"
#include "platform/Paths.h"

#include <QTest>

namespace tintabel::testing {

namespace fs = std::filesystem;

fs::path UserFolderFixture::makeWinePrefix()
{
    const fs::path prefix = environment.winePrefix;
    const fs::path user = prefix / "drive_c/users" / environment.userName;
    fs::create_directories(user / "AppData/Roaming");
    fs::create_directories(user / "Documents");
    fs::create_directories(prefix / "dosdevices");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
    return prefix / "drive_c";
}

void UserFolderFixture::locateGameFolder(std::string_view folder)
{
    writeLocationFile("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<record>\r\n"
                      "\t<string id=\"valu\" value=\"S"
        + std::string(folder) + "\"/>\r\n</record>\r\n");
}

void UserFolderFixture::writeLocationFile(std::string_view document)
{
    const std::string text = specialFolderPath(26, environment) + UserDataLocation::kRelativePath;
    const fs::path path = toLocalPath(text, environment).value();
    fs::create_directories(path.parent_path());
    writeBytes(path, document);
}

void UserFolderFixture::addSkin(
    const fs::path& userFolder, const std::string& folder, std::string_view name)
{
    writeBytes(userFolder / "skins" / folder / (folder + ".xml"),
        "<skin><string id=\"name\" value=\"" + std::string(name) + "\"/></skin>");
}

std::vector<QString> UserFolderFixture::lines(const QListWidget& list)
{
    std::vector<QString> result;
    for (int row = 0; row < list.count(); ++row)
        result.push_back(list.item(row)->text());
    return result;
}

void UserFolderFixture::clickLine(QListWidget& list, const QString& text)
{
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    list.scrollToItem(found.front());
    QTest::mouseClick(
        list.viewport(), Qt::LeftButton, {}, list.visualItemRect(found.front()).center());
}

TForm1& UserFolderFixture::startInSkinMode()
{
    TForm1& form = start();
    showWindow();
    click("skinrb");
    return form;
}

} // namespace tintabel::testing
