// The settings store's file. Whatever reads, written and read again, gives the same keys and
// values (the writer orders the keys), and is then written the same.
#include "platform/RegistryFile.h"
#include "support/Check.h"

#include <algorithm>
#include <utility>
#include <vector>

using namespace tintabel;

namespace {

bool sameValues(const RegistryTree::Value& a, const RegistryTree::Value& b)
{
    return a.name == b.name && a.type == b.type && a.text == b.text && a.data == b.data;
}

std::vector<RegistryTree::Key> ordered(const RegistryTree& tree)
{
    std::vector<RegistryTree::Key> keys = tree.keys();
    std::ranges::sort(
        keys, {}, [](const RegistryTree::Key& key) { return std::pair(key.root, key.folded); });
    return keys;
}

bool sameKeys(const RegistryTree::Key& a, const RegistryTree::Key& b)
{
    return a.root == b.root && a.path == b.path && a.folded == b.folded
        && std::ranges::equal(a.values, b.values, sameValues);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    RegistryTree tree;
    try {
        tree = RegistryFile::parse({reinterpret_cast<const char*>(data), size});
    } catch (const Error&) {
        return 0;
    }
    const std::string text = RegistryFile::format(tree);
    const RegistryTree again = RegistryFile::parse(text);
    FUZZ_CHECK(std::ranges::equal(ordered(tree), ordered(again), sameKeys));
    FUZZ_CHECK(RegistryFile::format(again) == text);
    return 0;
}
