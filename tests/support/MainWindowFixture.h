#pragma once

#include "app/Unit1.h"
#include "platform/PictureLoader.h"
#include "platform/Services.h"
#include "platform/doubles/FaultyFileSystem.h"
#include "platform/doubles/MemoryRegistry.h"
#include "platform/doubles/RecordingShell.h"
#include "platform/doubles/ScriptedDialogs.h"
#include "platform/doubles/ScriptedDownloader.h"
#include "platform/doubles/ScriptedMessageBoxes.h"
#include "support/TempFolder.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tintabel::testing {

// The window's control of that design name, which it carries as its object name.
template<class Control> Control* named(const QWidget& window, std::string_view name)
{
    auto* control = window.findChild<Control*>(
        QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (!control)
        throw std::logic_error("the window has no " + std::string(name));
    return control;
}

// A main window as the program builds it, over doubles, in a temporary program folder that holds
// the files shipped beside the program. The file system is the real one (refuse writes or reads
// with files.refuseWrites(path)); message boxes, dialogs, the shell and the downloader are scripted
// and record what they were asked. Nothing is shown on screen unless a test calls showWindow().
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture();

    // Creates the main window; the start-up sequence runs in it.
    TForm1& start();
    // Closes the window as the user does (the temp folder goes) and destroys it.
    void close();
    // Closes the window and starts a new one over the same folders and settings.
    TForm1& restart()
    {
        close();
        return start();
    }

    TForm1& window() { return *m_window; }
    void click(const char* control);
    // Clicks a button whose file dialog is answered with path, or cancelled without one.
    void clickAnswering(const char* control, const std::optional<std::string>& path);
    // The names of the controls given that are enabled.
    std::vector<std::string> enabledOf(std::initializer_list<const char*> controls);
    // A file of the user's, outside the program folder; its path.
    std::string userFile(std::string_view name, std::string_view bytes = {});
    // A picture saved as PNG among the user's files; its path.
    std::string pictureFile(std::string_view name, const QImage& picture);
    static QImage filled(QSize size, QRgb pixel)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(pixel);
        return picture;
    }
    // Shows the window and waits until it is on the screen and active.
    void showWindow();
    // The program folder as the program writes it: with a trailing separator.
    std::string programFolder() const { return program.withSlash(); }
    // Where the program keeps "dane.dat", with a trailing separator.
    std::string stateFolder() const { return home.withSlash() + ".local/state/veldo-tintabel/"; }

    TempFolder home;
    TempFolder program;
    TempFolder user;
    Environment environment;
    FaultyFileSystem files;
    MemoryRegistry registry;
    ScriptedDialogs dialogs;
    ScriptedMessageBoxes messages;
    RecordingShell shell;
    ScriptedDownloader downloader;
    PictureLoader pictures;
    Services services;

private:
    std::unique_ptr<TForm1> m_window;
};

} // namespace tintabel::testing
