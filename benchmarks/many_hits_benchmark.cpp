// Searches that find hundreds of thousands of hits: what a hit costs in
// memory, how fast a search and the result file it saves are, and what a
// second thread brings when most of the work is making hits.
//
//   build/benchmarks/many_hits_benchmark
//
// ManyHitsSearch/threads:N  387,881 hits; compare the two real times.
// SearchAndSave             886,943 hits searched and saved; "bytes_per_hit"
//                           is what the store holds per hit.

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include <benchmark/benchmark.h>

#include "cli/bench_suite.h"
#include "core/results/result_file_writer.h"
#include "sample_catalogue.h"

namespace vk {
namespace {

const Catalogue& sample() { return bench::sampleCatalogue(); }

const cli::BenchCase kThreeSkills{"three-skills-many-hits",
                                  {"--skill", "瑠魂・壱", "--skill", "樺魂・壱", "--skill", "朧心・壱", "--decorations",
                                   "--three-slot", "--weapon-slots", "2", "--hit-limit", "-1"}};
const cli::BenchCase kTwoSkills{"two-skills-many-hits",
                                {"--skill", "瑠魂・壱", "--skill", "樺魂・壱", "--decorations", "--three-slot",
                                 "--rarity", "6", "--hit-limit", "-1"}};

void ManyHitsSearch(benchmark::State& state) {
    const cli::EngineChoice engine{EngineKind::Fast, static_cast<int>(state.range(0))};
    const Catalogue& cat = sample();  // loaded before the clock runs
    std::size_t hits = 0;
    for (auto _ : state) hits = cli::runBenchCase(cat, kThreeSkills, engine, 0).hits.size();
    state.counters["hits"] = static_cast<double>(hits);
}
BENCHMARK(ManyHitsSearch)->ArgName("threads")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void SearchAndSave(benchmark::State& state) {
    const SearchCondition shown;  // the file's conditions do not change its size much
    const ExceptFlags exclusions = ExceptFlags::sizedFor(sample());
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("vk-many-hits-" + std::to_string(::getpid()) + ".CSV");
    double bytesPerHit = 0;
    std::size_t hits = 0;
    for (auto _ : state) {
        const cli::BenchRun run = cli::runBenchCase(sample(), kTwoSkills, {EngineKind::Fast, 1}, 0);
        if (!saveResultFile(file, {sample(), shown, run.hits, exclusions, 1700000000})) state.SkipWithError("save failed");
        hits = run.hits.size();
        bytesPerHit = static_cast<double>(run.hits.memoryBytes()) / static_cast<double>(hits);
    }
    state.counters["hits"] = static_cast<double>(hits);
    state.counters["bytes_per_hit"] = bytesPerHit;
    std::filesystem::remove(file);
}
BENCHMARK(SearchAndSave)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vk
