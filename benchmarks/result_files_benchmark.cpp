// Result files at the sizes the window must handle: a search of 100,000 hits
// saved and read back, and a RESULT folder of 2,000 files listed.
//   build/benchmarks/result_files_benchmark

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "core/catalogue/loader.h"
#include "core/results/result_file_list.h"
#include "core/results/result_file_reader.h"
#include "core/results/result_file_writer.h"

namespace vk {
namespace {

struct BigSearch {
    Catalogue catalogue;
    SearchCondition condition;
    ResultStore hits;
    ExceptFlags exclusions;
    std::string bytes;
};

// 100,000 hits cycling through the sample's rows, three decorations each.
const BigSearch& bigSearch() {
    static const BigSearch big = [] {
        BigSearch b;
        loadCatalogue(VK_SAMPLE_DIR, b.catalogue);
        b.exclusions = ExceptFlags::sizedFor(b.catalogue);
        for (int i = 0; i < 100000; ++i) {
            Result r;
            for (int p = 0; p < kArmourParts; ++p)
                r.Index[p] = 1 + (i * (p + 3)) % static_cast<int>(b.catalogue.equip[p].size() - 1);
            for (int s = 0; s < 3; ++s) r.Decos.DecoIndex[s][0] = 1 + (i + s) % 150;
            b.hits.push_back(r);
        }
        b.bytes = formatResultFile({b.catalogue, b.condition, b.hits, b.exclusions, 1700000000});
        return b;
    }();
    return big;
}

void ResultFileSave100k(benchmark::State& state) {
    const BigSearch& b = bigSearch();
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "vk-bench-save.CSV";
    for (auto _ : state) {
        if (!saveResultFile(file, {b.catalogue, b.condition, b.hits, b.exclusions, 1700000000}))
            state.SkipWithError("save failed");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
    std::filesystem::remove(file);
}
BENCHMARK(ResultFileSave100k)->Unit(benchmark::kMillisecond);

void ResultFileRead100k(benchmark::State& state) {
    const BigSearch& b = bigSearch();
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "vk-bench-read.CSV";
    std::ofstream(file, std::ios::binary) << b.bytes;
    for (auto _ : state) {
        auto loaded = readResultFile(file, b.catalogue);
        if (!loaded || loaded->hits.size() != 100000) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(loaded);
    }
    std::filesystem::remove(file);
}
BENCHMARK(ResultFileRead100k)->Unit(benchmark::kMillisecond);

void ResultFolderList2000(benchmark::State& state) {
    const BigSearch& b = bigSearch();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vk-bench-result-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    // Each file a whole saved search of 1,000 hits: the list reads headers only.
    ResultStore some;
    for (std::size_t i = 0; i < 1000; ++i) some.appendFrom(b.hits, i);
    const std::string file = formatResultFile({b.catalogue, b.condition, some, b.exclusions, 1700000000});
    for (int i = 0; i < 2000; ++i) std::ofstream(folder / ("search" + std::to_string(i) + ".CSV"), std::ios::binary) << file;
    for (auto _ : state) {
        const std::vector<ResultFile> files = listResultFiles(folder);
        if (files.size() != 2000) state.SkipWithError("not every file listed");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(ResultFolderList2000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vk
