#include "platform/CurlDownloader.h"

#include "platform/AtomicWrite.h"
#include "platform/CurlLibrary.h"
#include "platform/Errors.h"
#include "platform/Paths.h"

#include <curl/curl.h>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace tintabel {

namespace {

struct Body {
    std::string bytes;
    std::size_t cap = 0;
    bool tooLarge = false;
};

// The size option alone stops only a body whose length is announced; one sent until the
// connection closes is cut off here.
std::size_t receive(char* data, std::size_t size, std::size_t count, void* user) noexcept
{
    auto* body = static_cast<Body*>(user);
    const std::size_t length = size * count;
    if (length > body->cap - body->bytes.size()) {
        body->tooLarge = true;
        return 0;
    }
    try {
        body->bytes.append(data, length);
    } catch (...) {
        return 0;
    }
    return length;
}

using UrlHandle = std::unique_ptr<CURLU, decltype(CurlLibrary::url_cleanup)>;
using EasyHandle = std::unique_ptr<CURL, decltype(CurlLibrary::easy_cleanup)>;
using MultiHandle = std::unique_ptr<CURLM, decltype(CurlLibrary::multi_cleanup)>;

// Only http and https addresses are fetched; anything else (file:, ftp:, a name without a scheme,
// which curl would otherwise take for http) is refused before any request.
UrlHandle parseWebAddress(const CurlLibrary& curl, std::string_view url)
{
    UrlHandle parsed(nullptr, curl.url_cleanup);
    if (url.find('\0') != std::string_view::npos)
        return parsed;
    parsed.reset(curl.url());
    char* scheme = nullptr;
    if (!parsed
        || curl.url_set(parsed.get(), CURLUPART_URL, std::string(url).c_str(), 0) != CURLUE_OK
        || curl.url_get(parsed.get(), CURLUPART_SCHEME, &scheme, 0) != CURLUE_OK) {
        parsed.reset();
        return parsed;
    }
    const std::string_view name(scheme);
    if (name != "http" && name != "https")
        parsed.reset();
    curl.free(scheme);
    return parsed;
}

// Runs the transfer through a multi handle, whose wait a stop request cuts short from any
// thread: a blocking transfer would notice it only at its next progress call, up to a second
// later, or not at all while a name resolves. Empty when stopped.
std::optional<CURLcode> perform(const CurlLibrary& curl, CURL* handle, std::stop_token stop)
{
    const MultiHandle multi(curl.multi_init(), curl.multi_cleanup);
    if (!multi || curl.multi_add_handle(multi.get(), handle) != CURLM_OK)
        return CURLE_FAILED_INIT;
    std::optional<CURLcode> result;
    {
        const std::stop_callback wake(
            stop, [&curl, waiting = multi.get()] { curl.multi_wakeup(waiting); });
        while (!result && !stop.stop_requested()) {
            int running = 0;
            if (curl.multi_perform(multi.get(), &running) != CURLM_OK)
                result = CURLE_FAILED_INIT;
            int queued = 0;
            while (const CURLMsg* message = curl.multi_info_read(multi.get(), &queued)) {
                if (message->msg == CURLMSG_DONE)
                    result = message->data.result;
            }
            if (!result && curl.multi_poll(multi.get(), nullptr, 0, 1000, nullptr) != CURLM_OK)
                result = CURLE_FAILED_INIT;
        }
    }
    curl.multi_remove_handle(multi.get(), handle);
    return stop.stop_requested() ? std::nullopt : result;
}

} // namespace

CurlDownloader::CurlDownloader(Environment environment, std::chrono::milliseconds connectTimeout,
    std::chrono::milliseconds totalTimeout, std::size_t maxBodyBytes)
    : m_environment(std::move(environment))
    , m_connectTimeout(connectTimeout)
    , m_totalTimeout(totalTimeout)
    , m_maxBodyBytes(maxBodyBytes)
{
}

std::uint32_t CurlDownloader::download(
    std::string_view url, std::string_view destination, std::stop_token stop)
{
    const CurlLibrary& curl = CurlLibrary::get();
    const UrlHandle address = parseWebAddress(curl, url);
    if (!address)
        return kUnsupportedAddress;
    const std::optional<std::filesystem::path> target = toLocalPath(destination, m_environment);
    if (!target)
        return kCannotWrite;
    const EasyHandle easy(curl.easy_init(), curl.easy_cleanup);
    if (!easy)
        return kTransferFailed;

    Body body;
    body.cap = m_maxBodyBytes;
    CURL* handle = easy.get();
    curl.easy_setopt(handle, CURLOPT_CURLU, address.get());
    curl.easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl.easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl.easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl.easy_setopt(handle, CURLOPT_MAXREDIRS, 5L);
    curl.easy_setopt(handle, CURLOPT_FAILONERROR, 1L);
    curl.easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl.easy_setopt(
        handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_connectTimeout.count()));
    curl.easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(m_totalTimeout.count()));
    curl.easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(m_maxBodyBytes));
    curl.easy_setopt(handle, CURLOPT_WRITEFUNCTION, receive);
    curl.easy_setopt(handle, CURLOPT_WRITEDATA, &body);

    const std::optional<CURLcode> performed = perform(curl, handle, stop);
    if (!performed)
        return kAbandoned;
    const CURLcode result = *performed;
    long status = 0;
    curl.easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    switch (result) {
    case CURLE_OK:
        break;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_CONNECT:
        return kCannotConnect;
    case CURLE_OPERATION_TIMEDOUT:
        // A server that accepted the connection but never answered is as unreachable as one
        // that refused it; one that stalled in the middle of its answer is not.
        return status == 0 ? kCannotConnect : kTransferFailed;
    case CURLE_HTTP_RETURNED_ERROR:
        return kHttpError;
    case CURLE_FILESIZE_EXCEEDED:
        return kTooLarge;
    case CURLE_WRITE_ERROR:
        return body.tooLarge ? kTooLarge : kTransferFailed;
    case CURLE_UNSUPPORTED_PROTOCOL:
        return kUnsupportedAddress;
    default:
        return kTransferFailed;
    }
    if (status < 200 || status >= 300)
        return kHttpError;

    if (stop.stop_requested())
        return kAbandoned;
    try {
        writeFileAtomically(*target, body.bytes);
    } catch (const InOutError&) {
        return kCannotWrite;
    }
    return 0;
}

} // namespace tintabel
