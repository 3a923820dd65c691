// config.csv at the size of a heavy user: 10,000 owned pieces (up to three
// decorations each) and 1,000 my sets (every part and decoration row filled)
// over the bundled sample catalogue. Formats, parses, saves and loads it.
//
//   build/benchmarks/collections_benchmark

#include <filesystem>
#include <random>

#include <benchmark/benchmark.h>

#include "core/collections/collections_file.h"
#include "core/collections/deco_laying.h"
#include "core/collections/possession_views.h"
#include "sample_catalogue.h"

namespace {

using namespace vk;

const Catalogue& sample() { return bench::sampleCatalogue(); }

int pick(std::mt19937& rng, std::size_t count) {
    return 1 + static_cast<int>(rng() % (count - 1));
}

const Collections& heavyCollections() {
    static const Collections collections = [] {
        const Catalogue& cat = sample();
        Collections c = Collections::emptyFor(cat);
        std::mt19937 rng(20261208);
        for (int n = 0; n < 10000; ++n) {
            const int part = n % kArmourParts;
            const int decos[] = {pick(rng, cat.decos.size()), pick(rng, cat.decos.size()), pick(rng, cat.decos.size())};
            c.possessions[part].push_back(makePossession(cat, part, pick(rng, cat.equip[part].size()), decos));
        }
        for (int n = 0; n < 1000; ++n) {
            Myset set;
            set.Sex = 1 + n % 2;
            set.Type = 1 + (n / 2) % 2;
            set.WeaponSlot = n % 4;
            set.Name = "set," + std::to_string(n);
            for (int part = 0; part < kArmourParts; ++part) set.Set.Index[part] = pick(rng, cat.equip[part].size());
            for (int part = 0; part < kDecoParts; ++part) {
                const int decos[] = {pick(rng, cat.decos.size()), pick(rng, cat.decos.size())};
                layDecorations(set.Set.Decos, part, decos, cat);
            }
            c.mysets.push_back(set);
        }
        for (int part = 0; part < kArmourParts; ++part)
            for (std::size_t row = 1; row < c.exclusions.equip[part].size(); row += 7) c.exclusions.equip[part][row] = 1;
        return c;
    }();
    return collections;
}

void BM_FormatCollections(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(formatCollections(sample(), heavyCollections()));
}

void BM_ParseCollections(benchmark::State& state) {
    const std::string text = formatCollections(sample(), heavyCollections());
    state.counters["bytes"] = static_cast<double>(text.size());
    for (auto _ : state) {
        Collections read = Collections::emptyFor(sample());
        benchmark::DoNotOptimize(parseCollections(text, sample(), read));
    }
}

std::filesystem::path benchFile() {
    return std::filesystem::temp_directory_path() / "vk_collections_benchmark.csv";
}

void BM_SaveCollectionsFile(benchmark::State& state) {
    for (auto _ : state) saveCollectionsFile(benchFile(), sample(), heavyCollections());
}

void BM_ReadCollectionsFile(benchmark::State& state) {
    saveCollectionsFile(benchFile(), sample(), heavyCollections());
    for (auto _ : state) {
        Collections read = Collections::emptyFor(sample());
        benchmark::DoNotOptimize(readCollectionsFile(benchFile(), sample(), read));
    }
    std::filesystem::remove(benchFile());
}

BENCHMARK(BM_FormatCollections)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseCollections)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCollectionsFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCollectionsFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
