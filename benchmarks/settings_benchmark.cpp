// A settings file of an older version holding 50,000 excluded pieces (10,000
// a part, name and index keys: 100,000 lines) over the bundled sample
// catalogue: parsing it, taking the older keys, and the whole start-up read
// followed by the rewrite of the close.
//
//   build/benchmarks/settings_benchmark

#include <string>

#include <benchmark/benchmark.h>

#include "core/settings/ini_file.h"
#include "core/settings/main_settings.h"
#include "core/settings/older_collection_keys.h"
#include "core/settings/settings_words.h"
#include "sample_catalogue.h"

namespace {

using namespace vk;

const Catalogue& sample() { return bench::sampleCatalogue(); }

constexpr int kPerPart = 10000;

const std::string& olderExclusionsIni() {
    static const std::string text = [] {
        const Catalogue& cat = sample();
        std::string t = "[General]\r\nLeft=5\r\n[Condition]\r\nSex=1\r\n";
        for (int part = 0; part < kArmourParts; ++part)
            for (int n = 0; n < kPerPart; ++n) {
                const std::size_t row = 1 + static_cast<std::size_t>(n) % (cat.equip[part].size() - 1);
                t += settingsKey("Except", part, "Name", {n}) + "=" + cat.equip[part][row].name + "\r\n";
                t += settingsKey("Except", part, "Index", {n}) + "=" + std::to_string(row) + "\r\n";
            }
        return t + "[Possession]\r\nSexPoss=1\r\n";
    }();
    return text;
}

void BM_ParseSettings(benchmark::State& state) {
    state.counters["bytes"] = static_cast<double>(olderExclusionsIni().size());
    for (auto _ : state) benchmark::DoNotOptimize(IniFile::parse(olderExclusionsIni()));
}

void BM_ReadOlderExclusionKeys(benchmark::State& state) {
    const IniFile ini = IniFile::parse(olderExclusionsIni());
    for (auto _ : state) {
        Collections read = Collections::emptyFor(sample());
        readOlderCollectionKeys(ini, sample(), read);
        benchmark::DoNotOptimize(read);
    }
}

// What the window does with the file from start to close.
void BM_ReadAndRewriteSettings(benchmark::State& state) {
    for (auto _ : state) {
        IniFile ini = IniFile::parse(olderExclusionsIni());
        const MainSettings settings = readMainSettings(ini, sample(), ScreenRect{0, 0, 1012, 623});
        Collections read = Collections::emptyFor(sample());
        readOlderCollectionKeys(ini, sample(), read);
        writeMainSettings(ini, sample(), settings);
        benchmark::DoNotOptimize(ini.format());
    }
}

BENCHMARK(BM_ParseSettings)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadOlderExclusionKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndRewriteSettings)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
