#pragma once

#include <cstdint>
#include <string_view>

namespace tintabel {

// Downloads a URL to a file, synchronously, with short time-outs.
class Downloader {
public:
    // The server could not be reached: the name did not resolve, the connection was refused or
    // timed out.
    static constexpr std::uint32_t kCannotConnect = 0x800F000E;

    virtual ~Downloader() = default;
    // 0 when the whole body arrived and replaced the file at destination (a path text as the
    // program builds it); kCannotConnect; or another non-zero code for any other failure (an HTTP
    // error status, a body over the size cap, a scheme other than http or https). The file is
    // replaced only when the body arrived whole.
    virtual std::uint32_t download(std::string_view url, std::string_view destination) = 0;
};

} // namespace tintabel
