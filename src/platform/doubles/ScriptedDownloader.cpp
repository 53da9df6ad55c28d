#include "platform/doubles/ScriptedDownloader.h"

#include "platform/CurlDownloader.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"

namespace tintabel {

ScriptedDownloader::ScriptedDownloader(FileSystem& files)
    : m_files(files)
{
}

std::uint32_t ScriptedDownloader::download(
    std::string_view url, std::string_view destination, std::stop_token)
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

} // namespace tintabel
