#include "platform/XmlDocument.h"

#include <benchmark/benchmark.h>
#include <string>

namespace tintabel {
namespace {

constexpr int kEntries = 10000;

// About 1 MB: far beyond any skin's colour document, so that the cost per entry shows.
const std::string& colourDocument()
{
    static const std::string text = [] {
        std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<colours>\r\n";
        for (int i = 0; i < kEntries; ++i) {
            const std::string n = std::to_string(i);
            out += "\t<colour name=\"entry " + n + "\" id=\"c" + n + "\" red=\""
                + std::to_string(i % 256) + "\" green=\"" + std::to_string(i * 7 % 256)
                + "\" blue=\"" + std::to_string(i * 13 % 256)
                + "\" alpha=\"255\" comment=\"generated entry\"/>\r\n";
        }
        return out + "</colours>\r\n";
    }();
    return text;
}

void BM_XmlParse(benchmark::State& state)
{
    for (auto _ : state) {
        XmlDocument document = XmlDocument::parse(colourDocument());
        benchmark::DoNotOptimize(document);
    }
    state.SetBytesProcessed(state.iterations() * colourDocument().size());
}
BENCHMARK(BM_XmlParse)->Unit(benchmark::kMillisecond);

// What the reader does: every direct child by index, its local name and its name attribute.
void BM_XmlWalkEntries(benchmark::State& state)
{
    XmlDocument document = XmlDocument::parse(colourDocument());
    for (auto _ : state) {
        XmlNode root = document.documentElement();
        std::size_t named = 0;
        for (std::size_t i = 0; i < root.childCount(); ++i) {
            XmlNode entry = root.child(i);
            if (entry.localName() == "colour" && entry.attribute("name") == "entry 9999")
                ++named;
        }
        benchmark::DoNotOptimize(named);
    }
}
BENCHMARK(BM_XmlWalkEntries)->Unit(benchmark::kMillisecond);

void setColours(XmlDocument& document, int round)
{
    XmlNode root = document.documentElement();
    const std::string value = std::to_string(round % 200 + 1);
    for (const std::size_t index : {std::size_t(1), root.childCount() - 2}) {
        XmlNode entry = root.child(index);
        for (const char* name : {"red", "green", "blue", "alpha"})
            entry.setAttribute(name, value);
    }
}

// The same document as UTF-16 (little-endian, with a byte order mark), as Windows tools save it.
const std::string& wideColourDocument()
{
    static const std::string text = [] {
        std::string out = "\xFF\xFE";
        for (const char c : colourDocument()) {
            out += c;
            out += '\0';
        }
        return out;
    }();
    return text;
}

// Argument 0: UTF-8; 1: UTF-16.
void BM_XmlSetEightAttributesAndSerialize(benchmark::State& state)
{
    XmlDocument document
        = XmlDocument::parse(state.range(0) == 0 ? colourDocument() : wideColourDocument());
    int round = 0;
    for (auto _ : state) {
        setColours(document, round++);
        benchmark::DoNotOptimize(document.serialize());
    }
}
BENCHMARK(BM_XmlSetEightAttributesAndSerialize)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One pass of the writer: parse, set, write back.
void BM_XmlWriterPass(benchmark::State& state)
{
    int round = 0;
    for (auto _ : state) {
        XmlDocument document = XmlDocument::parse(colourDocument());
        setColours(document, round++);
        benchmark::DoNotOptimize(document.serialize());
    }
}
BENCHMARK(BM_XmlWriterPass)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tintabel
