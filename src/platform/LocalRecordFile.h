#pragma once

#include "platform/FileSystem.h"
#include "platform/RecordFile.h"

#include <filesystem>
#include <memory>
#include <string>
#include <sys/types.h>

namespace tintabel {

// A record file on this machine, read and written at record positions through its descriptor.
class LocalRecordFile : public RecordFile {
public:
    // Raises InOutError with the reason when the file cannot be opened as asked.
    static std::unique_ptr<LocalRecordFile> open(
        const std::filesystem::path& path, std::size_t recordSize, RecordAccess access);
    // The whole content of a file, however many bytes it holds. Raises InOutError with the reason.
    static std::string readWhole(const std::filesystem::path& path);
    ~LocalRecordFile() override;
    LocalRecordFile(const LocalRecordFile&) = delete;
    LocalRecordFile& operator=(const LocalRecordFile&) = delete;

    std::size_t recordSize() const override { return m_recordSize; }
    std::uint64_t count() override;
    void read(std::uint64_t index, std::span<std::uint8_t> record) override;
    void write(std::uint64_t index, std::span<const std::uint8_t> record) override;
    void close() override;

private:
    LocalRecordFile(int descriptor, std::size_t recordSize);
    int openDescriptor() const;
    off_t offsetOf(std::uint64_t index, std::size_t size) const;
    std::string readAll();

    int m_descriptor;
    std::size_t m_recordSize;
};

} // namespace tintabel
