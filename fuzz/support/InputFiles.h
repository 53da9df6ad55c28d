#pragma once

#include "platform/Errors.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

namespace tintabel::fuzz {

// A file system in memory where every file holds the fuzzer's input until something is written
// over it, and every folder lists one plain file, "input": a reader reaches the input whatever
// path it builds, and what a writer saves can be read back.
class InputFiles final : public FileSystem {
public:
    explicit InputFiles(std::string_view input)
        : m_input(input)
    {
    }

    std::map<std::string, std::string, std::less<>> written;

    bool fileExists(std::string_view) override { return true; }
    bool folderExists(std::string_view) override { return true; }
    std::vector<FolderEntry> list(std::string_view) override { return {{.name = "input"}}; }
    bool copyFile(std::string_view from, std::string_view to) override
    {
        written[std::string(to)] = readFile(from);
        return true;
    }
    void copyFileOrThrow(std::string_view from, std::string_view to) override
    {
        copyFile(from, to);
    }
    bool deleteFile(std::string_view path) override { return written.erase(std::string(path)) > 0; }
    bool setNormalAttributes(std::string_view) override { return true; }
    bool makeFolderTree(std::string_view) override { return true; }
    bool removeFolder(std::string_view) override { return true; }
    bool deleteTree(std::string_view, std::string_view) override { return true; }
    std::string readFile(std::string_view path) override
    {
        const auto found = written.find(path);
        return found != written.end() ? found->second : std::string(m_input);
    }
    void writeFileAtomically(
        std::string_view path, std::string_view bytes, WriteDurability) override
    {
        written[std::string(path)] = std::string(bytes);
    }
    std::unique_ptr<RecordFile> openRecords(
        std::string_view path, std::size_t recordSize, RecordAccess) override
    {
        return std::make_unique<Records>(readFile(path), recordSize);
    }

private:
    // Read only: no reader of outside input writes records.
    class Records final : public RecordFile {
    public:
        Records(std::string bytes, std::size_t size)
            : m_bytes(std::move(bytes))
            , m_size(size)
        {
        }
        std::size_t recordSize() const override { return m_size; }
        std::uint64_t count() override { return m_bytes.size() / m_size; }
        void read(std::uint64_t index, std::span<std::uint8_t> record) override
        {
            if (index >= count() || record.size() != m_size)
                throw InOutError("Read beyond end of file");
            std::memcpy(record.data(), m_bytes.data() + index * m_size, m_size);
        }
        void write(std::uint64_t, std::span<const std::uint8_t>) override
        {
            throw InOutError("File access denied");
        }
        void close() override { }

    private:
        std::string m_bytes;
        std::size_t m_size;
    };

    std::string_view m_input;
};

} // namespace tintabel::fuzz
