#include "search/fast_engine.h"

#include <memory>
#include <thread>

#include "search/fast_task_grid.h"
#include "search/fast_task_pool.h"
#include "search/progress_percent.h"

namespace vk {

namespace {

int threadsFor(int requested) {
    if (requested > 0) return requested;
    const unsigned hardware = std::thread::hardware_concurrency();
    return hardware > 0 ? static_cast<int>(hardware) : 1;
}

// Slices per thread: enough for the threads to balance uneven slices.
constexpr std::size_t kSlicesPerThread = 32;

}  // namespace

FastEngine::FastEngine(const Catalogue& cat, int threads) : cat_(cat), threads_(threadsFor(threads)) {}

bool FastEngine::absorb(TaskOutcome& outcome, std::uint32_t hitLimit) {
    for (OrderedHit& h : outcome.hits) {
        store_.push_back(h.hit);
        if (hitLimit <= store_.size()) {
            tested_ += h.ordinal;
            return true;
        }
    }
    tested_ += outcome.tested;
    return outcome.ended || outcome.stopped;
}

std::size_t FastEngine::run(const SearchCondition& cond, const SearchSnapshot& snapshot, SearchControl& control,
                            const ProgressFn& progress) {
    store_.clear();
    const FastPlan plan = makeFastPlan(cat_, cond, snapshot);
    total_ = 1;
    for (const std::vector<int>& list : plan.lists.parts) total_ *= list.size();
    tested_ = 0;

    const std::size_t heads = plan.lists.parts[Head].size();
    const std::size_t bodies = plan.lists.parts[Body].size();
    const bool pooled = threads_ > 1;
    const TaskGrid grid(heads, bodies, plan.lists.parts[Arm].size(), pooled ? kSlicesPerThread * threads_ : 1);

    std::unique_ptr<FastTaskRunner> runner;
    std::unique_ptr<TaskPool> pool;
    if (pooled)
        pool = std::make_unique<TaskPool>(plan, snapshot.exclusions, grid, threads_, control);
    else
        runner = std::make_unique<FastTaskRunner>(plan, snapshot.exclusions, control);

    for (std::size_t k = 0; k < grid.count(); ++k) {
        const TaskSpec spec = grid.spec(k);
        if (grid.startsBody(k)) {
            progress_ = progressPercent(spec.head, heads, spec.body, bodies);
            if (progress) progress(SearchProgress{tested_, total_, progress_, store_.size()});
            // The reference counts the combination at which it notices a stop.
            if (!control.Running) {
                ++tested_;
                return store_.size();
            }
        }
        TaskOutcome outcome = pooled ? pool->take(k) : runner->run(spec);
        if (absorb(outcome, plan.hitLimit)) return store_.size();
    }
    return store_.size();
}

}  // namespace vk
