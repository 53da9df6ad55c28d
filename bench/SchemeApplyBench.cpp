#include "app/ColourFileCommands.h"
#include "colours/ColourSlot.h"
#include "platform/LocalFileSystem.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace tintabel {
namespace {

namespace fs = std::filesystem;

constexpr int kSkins = 500;

// Skins with one colour file of the eight entries each, and two GIMP palettes that give every
// entry another colour, so that each run of the command rewrites every file.
class GeneratedSkins {
public:
    GeneratedSkins()
    {
        std::string root = (fs::temp_directory_path() / "tintabel-apply-XXXXXX").string();
        if (!mkdtemp(root.data()))
            std::abort();
        m_root = root;
        for (int i = 0; i < kSkins; ++i) {
            const fs::path skin = m_root / "skins" / ("Skin " + std::to_string(i));
            fs::create_directories(skin / "settings");
            std::ofstream colours(skin / "settings" / "fm colours.xml");
            colours << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<colours>\r\n";
            for (const ColourSlot& slot : kColourSlots)
                colours << "\t<colour name=\"" << slot.displayName
                        << "\" red=\"1\" green=\"2\" blue=\"3\" alpha=\"255\"/>\r\n";
            colours << "</colours>\r\n";
            m_skins.append(QString::fromStdString(skin.string()));
        }
        for (int scheme = 0; scheme < 2; ++scheme) {
            std::ofstream palette(m_root / ("s" + std::to_string(scheme) + ".gpl"));
            palette << "GIMP Palette\n";
            for (const ColourSlot& slot : kColourSlots)
                palette << 10 + scheme << " 20 30 " << slot.displayName << "\n";
        }
    }
    ~GeneratedSkins() { fs::remove_all(m_root); }

    QStringList arguments(int scheme) const
    {
        return QStringList {QString::fromStdString(
                   (m_root / ("s" + std::to_string(scheme) + ".gpl")).string())}
        + m_skins;
    }

private:
    fs::path m_root;
    QStringList m_skins;
};

void BM_ApplySchemeToSkins(benchmark::State& state)
{
    static const GeneratedSkins skins;
    LocalFileSystem files {Environment {}};
    const CommandLine::Command apply = applyCommand(files);
    // Across repetitions too, so that every run changes every file.
    static int scheme = 0;
    for (auto _ : state) {
        const CommandLine::Result result = apply.run(skins.arguments(scheme));
        if (result.exitStatus != CommandLine::kSuccess)
            state.SkipWithError(result.err.c_str());
        scheme = 1 - scheme;
    }
    state.counters["per_skin"] = benchmark::Counter(
        kSkins, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
// Every iteration reads, rewrites and replaces 500 files: wall time is what the user waits.
BENCHMARK(BM_ApplySchemeToSkins)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace tintabel
