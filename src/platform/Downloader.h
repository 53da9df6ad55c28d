#pragma once

#include <cstdint>
#include <stop_token>
#include <string_view>

namespace tintabel {

// Downloads a URL to a file, synchronously, with short time-outs.
class Downloader {
public:
    // The server could not be reached: the name did not resolve, the connection was refused or
    // timed out.
    static constexpr std::uint32_t kCannotConnect = 0x800F000E;
    // The caller asked the download to stop before it ended.
    static constexpr std::uint32_t kAbandoned = 0x80004004;

    virtual ~Downloader() = default;
    // 0 when the whole body arrived and replaced the file at destination (a path text as the
    // program builds it); kCannotConnect; kAbandoned once stop is requested, at once and leaving
    // the file as it was; or another non-zero code for any other failure (an HTTP error status, a
    // body over the size cap, a scheme other than http or https). The file is replaced only when
    // the body arrived whole. Raises Error only when no download can be made at all, such as when
    // the download library is missing.
    virtual std::uint32_t download(
        std::string_view url, std::string_view destination, std::stop_token stop)
        = 0;
    std::uint32_t download(std::string_view url, std::string_view destination)
    {
        return download(url, destination, {});
    }
};

} // namespace tintabel
