#include "support/MainWindowFixture.h"

#include "app/UpdateCheck.h"

#include <QTest>

#include <filesystem>

namespace tintabel::testing {

namespace {

Environment environmentIn(const TempFolder& home)
{
    Environment env;
    env.home = home.path().string();
    env.configHome = (home / ".config").string();
    env.dataHome = (home / ".local/share").string();
    env.stateHome = (home / ".local/state").string();
    env.cacheHome = (home / ".cache").string();
    env.runtimeFolder = (home / "run").string(); // tempFolder, "tmp", is not made
    std::filesystem::create_directories(home / "run");
    env.tempFolder = (home / "tmp").string();
    env.documentsFolder = (home / "Documents").string();
    env.winePrefix = (home / ".wine").string();
    env.userName = "tester";
    return env;
}

} // namespace

MainWindowFixture::MainWindowFixture()
    : environment(environmentIn(home))
    , files(environment)
    , downloader(files)
    , pictures(files)
    , services {files, registry, dialogs, messages, shell, downloader, pictures, environment,
          (program / "tintabel").string()}
{
    std::filesystem::copy(std::filesystem::path(TINTABEL_RESOURCES_DIR) / "program", program.path(),
        std::filesystem::copy_options::recursive);
}

TForm1& MainWindowFixture::start()
{
    m_window = std::make_unique<TForm1>(services);
    // The update check answers from a thread of its own: tests start from the window it left.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !m_window->updateCheck().running(); }));
    return *m_window;
}

void MainWindowFixture::close()
{
    if (m_window)
        m_window->close();
    m_window.reset();
}

void MainWindowFixture::click(const char* control)
{
    QTest::mouseClick(named<QWidget>(window(), control), Qt::LeftButton);
}

void MainWindowFixture::clickAnswering(const char* control, const std::optional<std::string>& path)
{
    if (path)
        dialogs.queueAnswer(*path);
    else
        dialogs.queueCancel();
    click(control);
}

std::vector<std::string> MainWindowFixture::enabledOf(std::initializer_list<const char*> controls)
{
    std::vector<std::string> enabled;
    for (const char* control : controls)
        if (named<QWidget>(window(), control)->isEnabled())
            enabled.emplace_back(control);
    return enabled;
}

std::string MainWindowFixture::userFile(std::string_view name, std::string_view bytes)
{
    user.write(name, bytes);
    return (user / name).string();
}

std::string MainWindowFixture::pictureFile(std::string_view name, const QImage& picture)
{
    const std::string path = (user / name).string();
    EXPECT_TRUE(picture.save(QString::fromStdString(path), "PNG")) << path;
    return path;
}

void MainWindowFixture::showWindow()
{
    window().show();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
}

} // namespace tintabel::testing
