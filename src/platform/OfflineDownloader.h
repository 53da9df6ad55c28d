#pragma once

#include "platform/Downloader.h"

namespace tintabel {

// The downloader of a program told to stay off the network: no server is ever reached, and
// nothing is asked of the network to find that out.
class OfflineDownloader : public Downloader {
public:
    using Downloader::download;
    std::uint32_t download(std::string_view, std::string_view, std::stop_token) override
    {
        return kCannotConnect;
    }
};

} // namespace tintabel
