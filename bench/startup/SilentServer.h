#pragma once

#include <cstdint>
#include <thread>
#include <vector>

namespace tintabel::bench {

// An update server on 127.0.0.1 that accepts every connection and never answers: the
// connections stay open, unread, until the server ends.
class SilentServer {
public:
    SilentServer();
    ~SilentServer();
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    std::uint16_t port() const { return m_port; }

    // A port on 127.0.0.1 where nothing listens, so that connections to it are refused.
    static std::uint16_t refusingPort();

private:
    void run();

    int m_listener = -1;
    std::uint16_t m_port = 0;
    std::vector<int> m_held;
    std::thread m_thread;
};

} // namespace tintabel::bench
