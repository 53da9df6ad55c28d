#include "SilentServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace tintabel::bench {

namespace {

// A socket bound to a free port of 127.0.0.1; its port goes to port.
int boundSocket(std::uint16_t& port)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (socket < 0 || ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("cannot bind a socket on 127.0.0.1");
    port = ntohs(address.sin_port);
    return socket;
}

} // namespace

SilentServer::SilentServer()
    : m_listener(boundSocket(m_port))
{
    if (::listen(m_listener, 64) != 0)
        throw std::runtime_error("cannot listen on 127.0.0.1");
    m_thread = std::thread([this] { run(); });
}

SilentServer::~SilentServer()
{
    // Wakes the accept call, which then fails and ends the thread.
    ::shutdown(m_listener, SHUT_RDWR);
    m_thread.join();
    ::close(m_listener);
    for (const int connection : m_held)
        ::close(connection);
}

void SilentServer::run()
{
    for (;;) {
        const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            return;
        m_held.push_back(connection);
    }
}

std::uint16_t SilentServer::refusingPort()
{
    std::uint16_t port = 0;
    ::close(boundSocket(port));
    return port;
}

} // namespace tintabel::bench
