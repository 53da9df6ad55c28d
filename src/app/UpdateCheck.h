#pragma once

#include <string_view>

namespace tintabel {

class StatusBar;
struct MainWindowState;
struct Services;

// Asks the update server whether a newer version exists and, when one does, offers its download
// page in the status bar. The answer is whatever "orb.ini" holds after the download: a server that
// answered with an error leaves the file of an earlier run to be read; only one that could not be
// reached at all stops the check.
class UpdateCheck {
public:
    UpdateCheck(MainWindowState& state, Services& services, StatusBar& statusBar);

    // Raises an error when the file announces no whole number; the start-up sequence ignores it,
    // since nothing about the update check ever concerns the user.
    void update();

    // Opens the download page once a newer version was announced, for the rest of the run.
    void StatusBar1Click();

    // Only http and https addresses go to the shell: the address comes from the network, and the
    // shell would run a program or open a local file just as readily.
    static bool isWebAddress(std::string_view address);

private:
    MainWindowState& m_state;
    Services& m_services;
    StatusBar& m_statusBar;
};

} // namespace tintabel
