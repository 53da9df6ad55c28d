#pragma once

#include "platform/CurlDownloader.h"
#include "platform/Downloader.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tintabel {

// Answers downloads with queued results; a result may bring bytes, written over the destination
// through the file system as a real download would. With nothing queued the server cannot be
// reached, as on a machine without a network.
class ScriptedDownloader : public Downloader {
public:
    struct Requested {
        std::string url;
        std::string destination;
    };

    explicit ScriptedDownloader(FileSystem& files)
        : m_files(files)
    {
    }

    using Downloader::download;
    std::uint32_t download(
        std::string_view url, std::string_view destination, std::stop_token) override
    {
        m_requested.push_back({std::string(url), std::string(destination)});
        if (m_results.empty())
            return kCannotConnect;
        const Result result = std::move(m_results.front());
        m_results.pop_front();
        if (result.bytes) {
            try {
                m_files.writeFileAtomically(destination, *result.bytes);
            } catch (const InOutError&) {
                return CurlDownloader::kCannotWrite; // a download reports, it does not raise
            }
        }
        return result.code;
    }

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
