#pragma once

#include "platform/Registry.h"
#include "platform/RegistryTree.h"

namespace tintabel {

// A Registry whose values live in a RegistryTree: the reads and type rules are the tree's, and
// every write goes through one hook, where a store decides how the change is kept or refused.
class TreeBackedRegistry : public Registry {
public:
    bool keyExists(RegistryRoot root, std::string_view key) override;
    std::string readString(RegistryRoot root, std::string_view key, std::string_view name) override;
    void writeString(RegistryRoot root, std::string_view key, std::string_view name,
        std::string_view value) override;
    std::optional<std::vector<std::uint8_t>> readBinary(
        RegistryRoot root, std::string_view key, std::string_view name) override;
    void writeBinary(RegistryRoot root, std::string_view key, std::string_view name,
        const std::vector<std::uint8_t>& value) override;

protected:
    // The tree as it stands for a read; may raise RegistryError.
    virtual const RegistryTree& treeForReading() = 0;
    virtual void write(RegistryRoot root, std::string_view key, RegistryTree::Value value) = 0;
};

} // namespace tintabel
