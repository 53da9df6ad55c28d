#pragma once

#include <QObject>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <utility>

namespace tintabel {

class AfterFirstPaint;
class StatusBar;
struct InterfaceTexts;
struct Services;

// Asks the update server whether a newer version exists and, when one does, offers its download
// page in the status bar. The answer is whatever "orb.ini" holds after the download: a server that
// answered with an error leaves the file of an earlier run to be read; only one that could not be
// reached at all stops the check. The download runs on a thread of its own, so that no server can
// hold the window back; its answer is read on the user-interface thread when it arrives.
class UpdateCheck {
public:
    // The file goes into folder; the notice is in the texts of the language in force when the
    // answer arrives.
    UpdateCheck(
        Services& services, StatusBar& statusBar, const InterfaceTexts& texts, std::string folder);
    // Abandons a download still running.
    ~UpdateCheck();
    UpdateCheck(const UpdateCheck&) = delete;
    UpdateCheck& operator=(const UpdateCheck&) = delete;

    // The version this program announces itself as; empty until the start-up sets it.
    void setProgramVersion(std::string version) { m_programVersion = std::move(version); }
    const std::string& programVersion() const { return m_programVersion; }

    // Starts the check and returns at once; the download begins once the window is drawn.
    void update();
    // Until the answer is read, or the check is abandoned.
    bool running() const { return m_running; }
    // Drops the download at once, leaving "orb.ini" as it was; its answer is never read. Closing
    // the window does this, so that the program ends without waiting on the network.
    void abandon();

    // Opens the download page once a newer version was announced, for the rest of the run.
    void StatusBar1Click();

    // The address the file gave, whether or not it announced a newer version.
    const std::string& updateUrl() const { return m_updateUrl; }
    bool updateAvailable() const { return m_updateAvailable; }

    // Only http and https addresses go to the shell: the address comes from the network, and the
    // shell would run a program or open a local file just as readily.
    static bool isWebAddress(std::string_view address);

private:
    // Raises an error when the file announces no whole number; nothing about the update check
    // ever concerns the user, so the error only goes to the log.
    void startDownload();
    void readAnswer(std::uint32_t result, const std::string& file);

    Services& m_services;
    StatusBar& m_statusBar;
    const InterfaceTexts& m_texts;
    std::string m_folder;
    std::string m_programVersion;
    std::string m_updateUrl;
    bool m_updateAvailable = false;
    bool m_running = false;
    // Receives the answer on the user-interface thread; an answer queued for it when it goes is
    // dropped. The worker is stopped and joined before it goes.
    QObject m_receiver;
    std::unique_ptr<AfterFirstPaint> m_pendingStart;
    std::jthread m_worker;
};

} // namespace tintabel
