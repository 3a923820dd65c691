#include "cli/search_run.h"

#include <chrono>
#include <csignal>
#include <utility>

namespace vk::cli {

namespace {

// The search being run, for the Ctrl+C handler: clearing Running is what the
// window's stop button does.
std::atomic<SearchControl*> g_activeSearch{nullptr};
volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void stopOnInterrupt(int) {
    g_interrupted = 1;
    if (SearchControl* c = g_activeSearch.load()) c->Running.store(false);
    std::signal(SIGINT, SIG_DFL);  // a second Ctrl+C ends the program
}

// Installs the handler for the lifetime of one search.
class InterruptGuard {
public:
    explicit InterruptGuard(SearchControl& control) {
        g_interrupted = 0;
        g_activeSearch.store(&control);
        previous_ = std::signal(SIGINT, stopOnInterrupt);
    }
    ~InterruptGuard() {
        std::signal(SIGINT, previous_ == SIG_ERR ? SIG_DFL : previous_);
        g_activeSearch.store(nullptr);
    }
    bool interrupted() const { return g_interrupted != 0; }

private:
    void (*previous_)(int) = SIG_DFL;
};

}  // namespace

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
