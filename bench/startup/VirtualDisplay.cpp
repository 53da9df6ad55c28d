#include "VirtualDisplay.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>

extern char** environ;

namespace tintabel::bench {

namespace {

// Xvfb writes the number of the display it found free to the descriptor given.
std::string readDisplayNumber(int descriptor)
{
    std::string number;
    char c = 0;
    pollfd waiting {descriptor, POLLIN, 0};
    while (::poll(&waiting, 1, 10000) > 0 && ::read(descriptor, &c, 1) == 1 && c != '\n')
        number += c;
    if (number.empty())
        throw std::runtime_error("Xvfb did not start (is the package xvfb installed?)");
    return number;
}

} // namespace

VirtualDisplay::VirtualDisplay()
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        throw std::runtime_error("no pipe");
    const std::string descriptor = std::to_string(pipe[1]);
    const char* arguments[] = {"Xvfb", "-displayfd", descriptor.c_str(), "-screen", "0",
        "1280x1024x24", "-nolisten", "tcp", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, pipe[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", 0, 0);
    const int failed = posix_spawnp(
        &m_server, "Xvfb", &actions, nullptr, const_cast<char**>(arguments), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    const std::string number = failed ? std::string() : readDisplayNumber(pipe[0]);
    ::close(pipe[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start (is the package xvfb installed?)");
    m_name = ":" + number;

    m_connection = xcb_connect(m_name.c_str(), nullptr);
    if (xcb_connection_has_error(m_connection))
        throw std::runtime_error("cannot connect to " + m_name);
    const xcb_query_extension_reply_t* damage
        = xcb_get_extension_data(m_connection, &xcb_damage_id);
    if (!damage || !damage->present)
        throw std::runtime_error("the display has no DAMAGE extension");
    m_damageEvent = damage->first_event;
    std::free(xcb_damage_query_version_reply(m_connection,
        xcb_damage_query_version(m_connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(m_connection);
}

VirtualDisplay::~VirtualDisplay()
{
    if (m_connection)
        xcb_disconnect(m_connection);
    if (m_server > 0) {
        ::kill(m_server, SIGTERM);
        ::waitpid(m_server, nullptr, 0);
    }
}

std::optional<VirtualDisplay::Paint> VirtualDisplay::waitForFirstPaint(Clock::time_point deadline)
{
    struct Created {
        int width = 0;
        int height = 0;
    };
    std::map<xcb_window_t, Created> created;
    for (;;) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(
            xcb_poll_for_event(m_connection), &std::free);
        if (!event) {
            if (xcb_connection_has_error(m_connection))
                throw std::runtime_error("lost the display");
            const auto left
                = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return std::nullopt;
            pollfd waiting {xcb_get_file_descriptor(m_connection), POLLIN, 0};
            ::poll(&waiting, 1, static_cast<int>(left.count()));
            continue;
        }
        const std::uint8_t type = event->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* notice = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
            if (notice->parent != m_root)
                continue;
            // Watched from its creation on, so that no drawing goes unseen.
            xcb_damage_create(m_connection, xcb_generate_id(m_connection), notice->window,
                XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(m_connection);
            created[notice->window] = {notice->width, notice->height};
        } else if (type == XCB_CONFIGURE_NOTIFY) {
            const auto* notice = reinterpret_cast<xcb_configure_notify_event_t*>(event.get());
            if (const auto found = created.find(notice->window); found != created.end())
                found->second = {notice->width, notice->height};
        } else if (type == m_damageEvent + XCB_DAMAGE_NOTIFY) {
            const Clock::time_point at = Clock::now();
            const auto* notice = reinterpret_cast<xcb_damage_notify_event_t*>(event.get());
            const auto found = created.find(notice->drawable);
            if (found != created.end())
                return Paint {notice->drawable, at, found->second.width, found->second.height};
        }
    }
}

void VirtualDisplay::close(xcb_window_t window)
{
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(m_connection, false, window, XCB_EVENT_MASK_NO_EVENT,
        reinterpret_cast<const char*>(&message));
    xcb_flush(m_connection);
}

xcb_atom_t VirtualDisplay::atom(const char* name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(m_connection,
            xcb_intern_atom(
                m_connection, false, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace tintabel::bench
