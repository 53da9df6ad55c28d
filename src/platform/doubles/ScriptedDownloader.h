#pragma once

#include "platform/Downloader.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tintabel {

class FileSystem;

// Answers downloads with queued results; a result may bring bytes, written over the destination
// through the file system as a real download would. With nothing queued the server cannot be
// reached, as on a machine without a network.
class ScriptedDownloader : public Downloader {
public:
    struct Requested {
        std::string url;
        std::string destination;
    };

    explicit ScriptedDownloader(FileSystem& files);

    using Downloader::download;
    std::uint32_t download(
        std::string_view url, std::string_view destination, std::stop_token stop) override;

    // A success that writes the bytes.
    void queueFile(std::string bytes) { m_results.push_back({0, std::move(bytes)}); }
    // A result code that writes nothing.
    void queueResult(std::uint32_t code) { m_results.push_back({code, std::nullopt}); }
    const std::vector<Requested>& requested() const { return m_requested; }

private:
    struct Result {
        std::uint32_t code;
        std::optional<std::string> bytes;
    };

    FileSystem& m_files;
    std::deque<Result> m_results;
    std::vector<Requested> m_requested;
};

} // namespace tintabel
