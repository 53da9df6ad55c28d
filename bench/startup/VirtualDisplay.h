#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>
#include <xcb/xcb.h>

namespace tintabel::bench {

// An Xvfb server of its own, on the first free display, and a connection to it that watches
// every new top-level window for its first drawing. Xvfb ends with the object.
class VirtualDisplay {
public:
    using Clock = std::chrono::steady_clock;

    // The first pixels drawn into a top-level window, and that window's size then.
    struct Paint {
        xcb_window_t window = 0;
        Clock::time_point at;
        int width = 0;
        int height = 0;
    };

    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // ":<number>", for DISPLAY.
    const std::string& name() const { return m_name; }

    // The first drawing into a top-level window created from now on; none by the deadline.
    std::optional<Paint> waitForFirstPaint(Clock::time_point deadline);
    // Asks the window's program to close it, as a window manager does (WM_DELETE_WINDOW).
    void close(xcb_window_t window);

private:
    xcb_atom_t atom(const char* name);

    pid_t m_server = -1;
    std::string m_name;
    xcb_connection_t* m_connection = nullptr;
    std::uint8_t m_damageEvent = 0;
    xcb_window_t m_root = 0;
};

} // namespace tintabel::bench
