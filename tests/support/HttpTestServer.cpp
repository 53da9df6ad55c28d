#include "HttpTestServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tintabel::testing {

namespace {

sockaddr_in loopback(std::uint16_t port)
{
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// A socket bound to 127.0.0.1 at a free port; the port is returned through the argument.
int boundSocket(std::uint16_t& port)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    if (socket < 0 || ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("cannot bind a test socket");
    port = ntohs(address.sin_port);
    return socket;
}

void sendAll(int connection, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t sent = ::send(connection, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return; // the client gave up (a download over its size cap)
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
}

void sendResponse(int connection, const HttpTestServer::Response& response)
{
    std::string head = "HTTP/1.1 " + std::to_string(response.status) + " "
        + reasonPhrase(response.status) + "\r\nConnection: close\r\n";
    if (response.withContentLength)
        head += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
    for (const auto& [name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    sendAll(connection, head + "\r\n");
    sendAll(connection, response.body);
    ::shutdown(connection, SHUT_WR);
    ::close(connection);
}

} // namespace

HttpTestServer::HttpTestServer()
{
    m_listener = boundSocket(m_port);
    m_wake = ::eventfd(0, EFD_CLOEXEC);
    if (::listen(m_listener, 16) != 0 || m_wake < 0)
        throw std::runtime_error("cannot start the test server");
    m_thread = std::thread([this] { run(); });
}

HttpTestServer::~HttpTestServer()
{
    const std::uint64_t one = 1;
    (void)!::write(m_wake, &one, sizeof one);
    m_thread.join();
    for (const int connection : m_held)
        ::close(connection);
    ::close(m_listener);
    ::close(m_wake);
}

void HttpTestServer::respond(std::string path, Response response)
{
    const std::lock_guard lock(m_mutex);
    m_routes[std::move(path)] = {std::move(response), true};
}

void HttpTestServer::neverAnswer(std::string path)
{
    const std::lock_guard lock(m_mutex);
    m_routes[std::move(path)] = {{}, false};
}

void HttpTestServer::answerHeld(const Response& response)
{
    const std::lock_guard lock(m_mutex);
    for (const int connection : m_held)
        sendResponse(connection, response);
    m_held.clear();
}

std::string HttpTestServer::url(std::string_view path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + std::string(path);
}

std::vector<std::string> HttpTestServer::requests() const
{
    const std::lock_guard lock(m_mutex);
    return m_requests;
}

std::uint16_t HttpTestServer::refusedPort()
{
    std::uint16_t port = 0;
    ::close(boundSocket(port));
    return port;
}

void HttpTestServer::run()
{
    for (;;) {
        pollfd waiting[2] = {{m_listener, POLLIN, 0}, {m_wake, POLLIN, 0}};
        if (::poll(waiting, 2, -1) < 0 && errno != EINTR)
            return;
        if (waiting[1].revents)
            return;
        if (waiting[0].revents & POLLIN) {
            const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection >= 0)
                serve(connection);
        }
    }
}

void HttpTestServer::serve(int connection)
{
    std::string request;
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        pollfd waiting[2] = {{connection, POLLIN, 0}, {m_wake, POLLIN, 0}};
        if (::poll(waiting, 2, 5000) <= 0 || waiting[1].revents)
            break;
        char buffer[4096];
        const ssize_t received = ::recv(connection, buffer, sizeof buffer, 0);
        if (received <= 0)
            break;
        request.append(buffer, static_cast<std::size_t>(received));
    }
    // "GET /path?query HTTP/1.1": the route is the path without its query.
    const std::size_t start = request.find(' ') + 1;
    const std::size_t end = request.find_first_of(" ?", start);
    const std::string path = start == 0 || end == std::string::npos
        ? std::string()
        : request.substr(start, end - start);

    Route route {{404, "Not Found"}, true};
    {
        const std::lock_guard lock(m_mutex);
        m_requests.push_back(path);
        if (const auto found = m_routes.find(path); found != m_routes.end())
            route = found->second;
        if (!route.answer) {
            m_held.push_back(connection);
            return;
        }
    }
    sendResponse(connection, route.response);
}

} // namespace tintabel::testing
