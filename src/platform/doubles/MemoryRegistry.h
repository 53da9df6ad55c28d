#pragma once

#include "platform/Errors.h"
#include "platform/TreeBackedRegistry.h"

#include <optional>
#include <string>

namespace tintabel {

// A settings store in memory with the same rules as the real one (case, missing keys, types).
// Tests can make every write fail, as the system refuses writes to HKEY_LOCAL_MACHINE without
// rights, and can store values of other types to provoke "Invalid data type".
class MemoryRegistry final : public TreeBackedRegistry {
public:
    // From now on every write raises RegistryError with this text and changes nothing.
    void failWrites(std::string text) { m_writeFailure = std::move(text); }

    // Stores a value of any registry type, bypassing the write failure: the way a test lays out
    // what another program left behind.
    void storeDword(
        RegistryRoot root, std::string_view key, std::string_view name, std::uint32_t value)
    {
        std::vector<std::uint8_t> bytes;
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>(value >> shift));
        store(root, key, {std::string(name), RegistryTree::Dword, {}, std::move(bytes)});
    }
    void store(RegistryRoot root, std::string_view key, RegistryTree::Value value)
    {
        m_tree.setValue(root, key, std::move(value));
    }

    // The writes that succeeded, for tests that check whether anything was stored.
    int writeCount() const { return m_writeCount; }

private:
    const RegistryTree& treeForReading() override { return m_tree; }
    void write(RegistryRoot root, std::string_view key, RegistryTree::Value value) override
    {
        if (m_writeFailure)
            throw RegistryError(*m_writeFailure);
        m_tree.setValue(root, key, std::move(value));
        ++m_writeCount;
    }

    RegistryTree m_tree;
    std::optional<std::string> m_writeFailure;
    int m_writeCount = 0;
};

} // namespace tintabel
