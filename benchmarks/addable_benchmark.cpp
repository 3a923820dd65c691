// The additional-skill search on the bundled sample, two threads, over the
// bench's addable cases:
//   Decide/N     the whole list of case N; "gap_ms" is the longest wait
//                between two progress reports (start and end included),
//                "addable" and "candidates" the list's size.
//   Stop         the longest case stopped 100 ms in: "stop_ms" is the time
//                from clearing Running to the decision's return.
//
//   build/benchmarks/addable_benchmark

#include <algorithm>
#include <chrono>
#include <thread>

#include <benchmark/benchmark.h>

#include "cli/bench_addable.h"
#include "cli/condition_from_options.h"
#include "cli/search_options.h"
#include "core/search/addable/addable_search.h"
#include "sample_catalogue.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

vk::GatheredCondition conditionOf(const vk::cli::BenchCase& c) {
    const vk::Catalogue& cat = vk::bench::sampleCatalogue();
    return vk::cli::gatherSearchCondition(cat, vk::cli::conditionForm(cat, vk::cli::parseSearchOptions(c.searchArgs)));
}

vk::SearchSnapshot emptySnapshot() {
    vk::SearchSnapshot snapshot;
    snapshot.exclusions = vk::ExceptFlags::sizedFor(vk::bench::sampleCatalogue());
    return snapshot;
}

void Decide(benchmark::State& state) {
    const vk::cli::BenchCase& c = vk::cli::addableBenchCases()[static_cast<std::size_t>(state.range(0))];
    const vk::GatheredCondition condition = conditionOf(c);
    const vk::AddableRequest request{condition.engine, condition.window.wanted, emptySnapshot()};
    double gap = 0;
    vk::AddableState last;
    for (auto _ : state) {
        vk::SearchControl control;
        control.Running = true;
        Clock::time_point previous = Clock::now();
        last = vk::decideAddable(vk::bench::sampleCatalogue(), 2, request, control, [&](const vk::AddableState&) {
            gap = std::max(gap, msSince(previous));
            previous = Clock::now();
        });
        gap = std::max(gap, msSince(previous));
    }
    state.SetLabel(c.name);
    state.counters["gap_ms"] = gap;
    state.counters["addable"] = static_cast<double>(last.addable);
    state.counters["candidates"] = static_cast<double>(last.candidates.size());
}
BENCHMARK(Decide)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();

void Stop(benchmark::State& state) {
    const vk::GatheredCondition condition = conditionOf(vk::cli::addableBenchCases()[0]);
    const vk::AddableRequest request{condition.engine, condition.window.wanted, emptySnapshot()};
    double longest = 0;
    for (auto _ : state) {
        vk::SearchControl control;
        control.Running = true;
        Clock::time_point cleared;
        std::thread stopper([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            cleared = Clock::now();
            control.Running = false;
        });
        vk::decideAddable(vk::bench::sampleCatalogue(), 2, request, control, {});
        const Clock::time_point returned = Clock::now();
        stopper.join();
        longest = std::max(longest, std::chrono::duration<double, std::milli>(returned - cleared).count());
    }
    state.counters["stop_ms"] = longest;
}
BENCHMARK(Stop)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
