#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace tintabel::testing {

// A small HTTP/1.1 server on 127.0.0.1 at a port of the system's choosing, answering each path
// with a scripted response from its own thread. A path without a response gets 404. Every
// answer closes the connection.
class HttpTestServer {
public:
    struct Response {
        using Headers = std::vector<std::pair<std::string, std::string>>;

        Response() = default;
        Response(int status, std::string body, bool withContentLength = true, Headers headers = {})
            : status(status)
            , body(std::move(body))
            , withContentLength(withContentLength)
            , headers(std::move(headers))
        {
        }

        int status = 200;
        std::string body;
        // Without it the body ends when the connection closes.
        bool withContentLength = true;
        Headers headers;
    };

    HttpTestServer();
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    void respond(std::string path, Response response);
    // Requests for the path are read and never answered; their connections stay open until the
    // server stops.
    void neverAnswer(std::string path);
    // Answers the requests held so far, then closes their connections.
    void answerHeld(const Response& response);

    std::uint16_t port() const { return m_port; }
    // "http://127.0.0.1:<port>" followed by the path ("/orb.ini").
    std::string url(std::string_view path) const;
    // The paths requested so far, in order.
    std::vector<std::string> requests() const;

    // A port on 127.0.0.1 where nothing listens: bound, then closed again.
    static std::uint16_t refusedPort();

private:
    struct Route {
        Response response;
        bool answer = true;
    };

    void run();
    void serve(int connection);

    int m_listener = -1;
    int m_wake = -1;
    std::uint16_t m_port = 0;
    mutable std::mutex m_mutex;
    std::map<std::string, Route> m_routes;
    std::vector<std::string> m_requests;
    std::vector<int> m_held;
    std::thread m_thread;
};

} // namespace tintabel::testing
