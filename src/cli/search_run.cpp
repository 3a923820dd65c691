#include "cli/search_run.h"

#include <chrono>
#include <utility>

#include "cli/interrupt_guard.h"

namespace vk::cli {

SearchRun runSearch(const Catalogue& cat, const GatheredCondition& condition, const SearchSnapshot& snapshot,
                    const EngineChoice& choice, const ProgressFn& progress, std::size_t memoryBudget) {
    const std::unique_ptr<SearchEngine> engine = makeEngine(choice, cat);
    SearchControl control;
    control.MemoryBudget = memoryBudget;
    control.Running = true;

    SearchRun run;
    {
        InterruptGuard guard(control);
        const auto start = std::chrono::steady_clock::now();
        engine->run(condition.engine, snapshot, control, progress);
        run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        run.interrupted = guard.interrupted();
    }
    run.budgetReached = engine->memoryBudgetReached();
    run.hits = std::move(engine->store());  // the hits are moved, never copied
    run.tested = engine->tested();
    run.total = engine->total();
    return run;
}

}  // namespace vk::cli
