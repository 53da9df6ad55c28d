#include "colours/ColourSlot.h"
#include "colours/ColourXmlReader.h"
#include "colours/ColourXmlWriter.h"
#include "colours/SlotModel.h"
#include "colours/WorkingCopy.h"
#include "platform/LocalFileSystem.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace tintabel {
namespace {

constexpr int kEntries = 10000;

// About 1 MB, every entry naming a slot: the reader reads each one and the writer writes each
// one, far beyond any skin's colour document, so that the cost per entry shows.
std::string colourDocument()
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<colours>\r\n";
    for (int i = 0; i < kEntries; ++i) {
        out += "\t<colour name=\"" + std::string(kColourSlots[i % kSlotCount].displayName)
            + "\" id=\"c" + std::to_string(i) + "\" red=\"" + std::to_string(i % 256)
            + "\" green=\"" + std::to_string(i * 7 % 256) + "\" blue=\""
            + std::to_string(i * 13 % 256) + "\" alpha=\"255\" comment=\"generated entry\"/>\r\n";
    }
    return out + "</colours>\r\n";
}

// A program folder with its temp folder and the skin's file, under the benchmark's own home.
struct Setting {
    Setting()
        : files(Environment {})
    {
        const std::filesystem::path folder
            = std::filesystem::path(std::getenv("HOME")) / "colour-xml-bench";
        std::filesystem::create_directories(folder / "temp");
        source = (folder / "fm colours.xml").string();
        std::ofstream(source, std::ios::binary) << colourDocument();
        workCopy.tempFolder = folder.string() + "\\temp";
    }

    LocalFileSystem files;
    WorkingCopy workCopy;
    SlotModel slots;
    std::string source;
};

void BM_ColourXmlLoad(benchmark::State& state)
{
    Setting setting;
    std::int64_t rendered = 0;
    ColourXmlReader reader(setting.files, setting.workCopy, setting.slots,
        [&rendered](std::size_t, std::int32_t alpha) { rendered += alpha; });
    for (auto _ : state)
        reader.load(setting.source, "fm colours.xml");
    benchmark::DoNotOptimize(rendered);
    state.SetBytesProcessed(
        state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(setting.source)));
}
BENCHMARK(BM_ColourXmlLoad)->Unit(benchmark::kMillisecond);

void BM_ColourXmlSave(benchmark::State& state)
{
    Setting setting;
    ColourXmlReader reader(setting.files, setting.workCopy, setting.slots, [](auto, auto) {});
    reader.load(setting.source, "fm colours.xml");
    ColourXmlWriter writer(setting.files, setting.workCopy, setting.slots);
    int round = 0;
    for (auto _ : state) {
        // New values each time, so every save really rewrites every entry.
        setting.slots.setColour(0, makeColour(round, 1, 2));
        setting.slots.setAlpha(3, std::to_string(round++ % 256));
        writer.save();
    }
    state.SetBytesProcessed(
        state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(setting.source)));
}
BENCHMARK(BM_ColourXmlSave)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tintabel
