#include "colours/SkinCatalogue.h"
#include "platform/LocalFileSystem.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace tintabel {
namespace {

namespace fs = std::filesystem;

constexpr int kSkins = 2000;

// A skins folder as large players' installations have them: every skin with a description of a
// few lines, most with a bracketed author after the name, and some folders that are no skins.
class GeneratedSkins {
public:
    GeneratedSkins()
    {
        std::string root = (fs::temp_directory_path() / "tintabel-skins-XXXXXX").string();
        if (!mkdtemp(root.data()))
            std::abort();
        m_root = root;
        for (int i = 0; i < kSkins; ++i) {
            const std::string folder = "Skin " + std::to_string(i);
            fs::create_directories(m_root / "skins" / folder / "settings");
            std::ofstream(m_root / "skins" / folder / (folder + ".xml"))
                << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<record>\n"
                   "\t<string id=\"name\" value=\"Skin "
                << i << (i % 3 ? " [by Author " + std::to_string(i) + "]" : std::string())
                << "\"/>\n\t<string id=\"author\" value=\"Author\"/>\n"
                   "\t<string id=\"description\" value=\"A generated skin\"/>\n"
                   "\t<integer id=\"version\" value=\"901\"/>\n</record>\n";
        }
        for (int i = 0; i < kSkins / 20; ++i)
            fs::create_directories(m_root / "skins" / ("no description " + std::to_string(i)));
    }
    ~GeneratedSkins() { fs::remove_all(m_root); }

    std::string userFolder() const { return m_root.string() + "/"; }

private:
    fs::path m_root;
};

void BM_SkinScan(benchmark::State& state)
{
    static const GeneratedSkins skins;
    LocalFileSystem files {Environment {}};
    const SkinCatalogue catalogue(files);
    for (auto _ : state) {
        const std::vector<SkinEntry> entries = catalogue.scan(skins.userFolder(), [] {});
        if (entries.size() != kSkins)
            state.SkipWithError("not every generated skin was found");
        benchmark::DoNotOptimize(entries);
    }
    state.counters["per_skin"] = benchmark::Counter(
        kSkins, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
// Mostly file reads: wall time is what the user waits.
BENCHMARK(BM_SkinScan)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace tintabel
