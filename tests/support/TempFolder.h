#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tintabel::testing {

// A folder under the test's own temporary root, removed again when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The folder as the program writes folder texts: with a trailing separator.
    std::string withSlash() const { return m_path.string() + "/"; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

    void write(std::string_view relativePath, std::string_view bytes) const;
    std::string read(std::string_view relativePath) const;

private:
    std::filesystem::path m_path;
};

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, std::string_view bytes);

} // namespace tintabel::testing
