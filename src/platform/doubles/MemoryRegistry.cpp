#include "platform/doubles/MemoryRegistry.h"

#include "platform/Errors.h"

namespace tintabel {

void MemoryRegistry::storeDword(
    RegistryRoot root, std::string_view key, std::string_view name, std::uint32_t value)
{
    std::vector<std::uint8_t> bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    store(root, key, {std::string(name), RegistryTree::Dword, {}, std::move(bytes)});
}

void MemoryRegistry::store(RegistryRoot root, std::string_view key, RegistryTree::Value value)
{
    m_tree.setValue(root, key, std::move(value));
}

void MemoryRegistry::write(RegistryRoot root, std::string_view key, RegistryTree::Value value)
{
    if (m_writeFailure)
        throw RegistryError(*m_writeFailure);
    m_tree.setValue(root, key, std::move(value));
    ++m_writeCount;
}

} // namespace tintabel
