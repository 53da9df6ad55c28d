#pragma once

#include "platform/Downloader.h"
#include "platform/Environment.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tintabel {

// Downloads with libcurl. The body is kept in memory up to the size cap and written over the
// destination only once it has arrived whole, so a failed or cut-off transfer leaves the old file.
class CurlDownloader : public Downloader {
public:
    // The other failure codes; callers only tell kCannotConnect from the rest.
    static constexpr std::uint32_t kUnsupportedAddress = 0x800C000D;
    static constexpr std::uint32_t kHttpError = 0x800C0006;
    static constexpr std::uint32_t kTooLarge = 0x800C0007;
    static constexpr std::uint32_t kCannotWrite = 0x800C0009;
    static constexpr std::uint32_t kTransferFailed = 0x800C0008;

    explicit CurlDownloader(Environment environment,
        std::chrono::milliseconds connectTimeout = std::chrono::seconds(3),
        std::chrono::milliseconds totalTimeout = std::chrono::seconds(5),
        std::size_t maxBodyBytes = std::size_t(1) << 20);

    using Downloader::download;
    std::uint32_t download(
        std::string_view url, std::string_view destination, std::stop_token stop) override;

private:
    Environment m_environment;
    std::chrono::milliseconds m_connectTimeout;
    std::chrono::milliseconds m_totalTimeout;
    std::size_t m_maxBodyBytes;
};

} // namespace tintabel
