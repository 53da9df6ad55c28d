#include "platform/TreeBackedRegistry.h"

namespace tintabel {

bool TreeBackedRegistry::keyExists(RegistryRoot root, std::string_view key)
{
    return treeForReading().keyExists(root, key);
}

std::string TreeBackedRegistry::readString(
    RegistryRoot root, std::string_view key, std::string_view name)
{
    return treeForReading().readString(root, key, name);
}

void TreeBackedRegistry::writeString(
    RegistryRoot root, std::string_view key, std::string_view name, std::string_view value)
{
    write(root, key, {std::string(name), RegistryTree::String, std::string(value), {}});
}

std::optional<std::vector<std::uint8_t>> TreeBackedRegistry::readBinary(
    RegistryRoot root, std::string_view key, std::string_view name)
{
    return treeForReading().readBinary(root, key, name);
}

void TreeBackedRegistry::writeBinary(RegistryRoot root, std::string_view key, std::string_view name,
    const std::vector<std::uint8_t>& value)
{
    write(root, key, {std::string(name), RegistryTree::Binary, {}, value});
}

} // namespace tintabel
