#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace tintabel {

class StatusBar;
struct InterfaceTexts;
struct Services;

// Asks the update server whether a newer version exists and, when one does, offers its download
// page in the status bar. The answer is whatever "orb.ini" holds after the download: a server that
// answered with an error leaves the file of an earlier run to be read; only one that could not be
// reached at all stops the check.
class UpdateCheck {
public:
    // The file goes into folder; the notice is in the texts of the language in force.
    UpdateCheck(
        Services& services, StatusBar& statusBar, const InterfaceTexts& texts, std::string folder);

    // The version this program announces itself as; empty until the start-up sets it.
    void setProgramVersion(std::string version) { m_programVersion = std::move(version); }
    const std::string& programVersion() const { return m_programVersion; }

    // Raises an error when the file announces no whole number; the start-up sequence ignores it,
    // since nothing about the update check ever concerns the user.
    void update();

    // Opens the download page once a newer version was announced, for the rest of the run.
    void StatusBar1Click();

    // The address the file gave, whether or not it announced a newer version.
    const std::string& updateUrl() const { return m_updateUrl; }
    bool updateAvailable() const { return m_updateAvailable; }

    // Only http and https addresses go to the shell: the address comes from the network, and the
    // shell would run a program or open a local file just as readily.
    static bool isWebAddress(std::string_view address);

private:
    Services& m_services;
    StatusBar& m_statusBar;
    const InterfaceTexts& m_texts;
    std::string m_folder;
    std::string m_programVersion;
    std::string m_updateUrl;
    bool m_updateAvailable = false;
};

} // namespace tintabel
