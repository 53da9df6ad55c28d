#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tintabel {

// A file of fixed-size records, open for the length of one action. Every failure raises
// InOutError with the reason ("File access denied", "File not found", "Disk full", ...).
class RecordFile {
public:
    virtual ~RecordFile() = default;

    virtual std::size_t recordSize() const = 0;
    // Whole records in the file; bytes after the last whole record do not count.
    virtual std::uint64_t count() = 0;
    virtual void read(std::uint64_t index, std::span<std::uint8_t> record) = 0;
    virtual void write(std::uint64_t index, std::span<const std::uint8_t> record) = 0;
    // Closing twice is harmless; the destructor closes too, ignoring errors.
    virtual void close() = 0;
};

} // namespace tintabel
