#include "core/search/fast/fast_engine.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "core/search/fast/fast_task_grid.h"
#include "core/search/fast/fast_task_pool.h"
#include "core/search/progress/progress_percent.h"

namespace vk {

namespace {

int threadsFor(int requested) {
    if (requested > 0) return requested;
    const unsigned hardware = std::thread::hardware_concurrency();
    return hardware > 0 ? static_cast<int>(hardware) : 1;
}

// Slices per thread: enough for the threads to balance uneven slices, and
// small enough that reports from within a slice (which follow only its
// first position) are never held up for long.
constexpr std::size_t kSlicesPerThread = 256;

// A pause holds the workers too, when there are any; true when stopped.
bool waitOutPause(SearchControl& control, TaskPool* pool) {
    return pool ? pool->waitWhileSuspended() : control.waitWhileSuspended();
}

}  // namespace

FastEngine::FastEngine(const Catalogue& cat, int threads) : cat_(cat), threads_(threadsFor(threads)) {}

float FastEngine::positionPercent(std::size_t position, const FastPlan& plan) const {
    const std::size_t heads = plan.lists.parts[Head].size();
    const std::size_t bodies = plan.lists.parts[Body].size();
    if (position >= heads * bodies) return 100.0f;
    return progressPercent(position / bodies, heads, position % bodies, bodies);
}

bool FastEngine::announce(const SliceBounds& slice, const FastPlan& plan, SearchControl& control, TaskPool* pool,
                          const ProgressFn& progress) {
    if (slice.armBegin != 0) return false;  // the slice starts inside a position
    // No report while paused: the reference waits before the position's
    // first combination. A stop ends the search at that combination.
    if (!waitOutPause(control, pool)) {
        progress_ = positionPercent(slice.positionBegin, plan);
        if (progress) progress(SearchProgress{tested_, total_, progress_, store_.size()});
        lastReport_ = Clock::now();
    }
    if (control.Running) return false;
    ++tested_;
    return true;
}

bool FastEngine::absorb(TaskOutcome& outcome, const SliceBounds& slice, const FastPlan& plan,
                        SearchControl& control, TaskPool* pool, const ProgressFn& progress) {
    const std::uint64_t base = tested_;
    std::size_t next = 0;
    // Appends the hits found up to combination `upTo` of the slice; true when
    // the memory budget or the hit limit ends the search at one of them.
    auto appendHits = [&](std::uint64_t upTo) {
        for (; next < outcome.hits.size() && outcome.hitOrdinals[next] <= upTo; ++next) {
            store_.takeFrom(outcome.hits, next);
            if (keptHitsReachBudget(control) || plan.hitLimit <= store_.size()) {
                tested_ = base + outcome.hitOrdinals[next];
                return true;
            }
        }
        return false;
    };
    // The first position was announced before the slice ran.
    for (std::size_t m = 1; m < outcome.bodyStarts.size(); ++m) {
        if (appendHits(outcome.bodyStarts[m])) return true;
        // A stop made while the slice ran ends the search where the slice
        // noticed it, with no report after it.
        if (waitOutPause(control, pool)) break;
        progress_ = positionPercent(slice.positionBegin + m, plan);
        if (progress) progress(SearchProgress{base + outcome.bodyStarts[m], total_, progress_, store_.size()});
        lastReport_ = Clock::now();
        // A stop made in the report: the reference counts the combination
        // at which it notices it.
        if (!control.Running) {
            tested_ = base + outcome.bodyStarts[m] + 1;
            return true;
        }
    }
    if (outcome.stopped) {
        if (appendHits(outcome.stoppedAt - 1)) return true;
        tested_ = base + outcome.stoppedAt;
        return true;
    }
    if (appendHits(std::numeric_limits<std::uint64_t>::max())) return true;
    tested_ = base + outcome.tested;
    return outcome.ended;
}

void FastEngine::reportWithin(const SliceBounds& slice, std::uint64_t live, const FastPlan& plan,
                              SearchControl& control, const ProgressFn& progress) {
    if (!progress || !control.Running || control.Suspended) return;
    const Clock::time_point now = Clock::now();
    if (now - lastReport_ < withinInterval_) return;
    lastReport_ = now;
    const std::uint64_t perArm = plan.lists.parts[Wst].size() * plan.lists.parts[Leg].size();
    const std::uint64_t perPosition = perArm * plan.lists.parts[Arm].size();
    // A slice's later positions are reported when it is absorbed: reports
    // from within it stay inside its first position so that Tested and
    // Progress never run ahead of them.
    live = std::min(live, perPosition - slice.armBegin * perArm - 1);
    const double into = static_cast<double>(slice.armBegin * perArm + live) / static_cast<double>(perPosition);
    const float from = positionPercent(slice.positionBegin, plan);
    const float to = positionPercent(slice.positionBegin + 1, plan);
    const float percent = std::max(from, std::min(to, static_cast<float>(from + into * (to - from))));
    SearchProgress report{tested_ + live, total_, percent, store_.size()};
    report.withinPosition = true;
    progress(report);
}

std::size_t FastEngine::run(const SearchCondition& cond, const SearchSnapshot& snapshot, SearchControl& control,
                            const ProgressFn& progress) {
    beginRun();
    const FastPlan plan = makeFastPlan(cat_, cond, snapshot);
    total_ = 1;
    for (const std::vector<int>& list : plan.lists.parts) total_ *= list.size();
    tested_ = 0;
    const Clock::time_point start = Clock::now();
    lastReport_ = start;

    const std::size_t bodies = plan.lists.parts[Body].size();
    const std::size_t positions = plan.lists.parts[Head].size() * bodies;
    const bool shared = threads_ > 1;
    // Alone, one slice per position; shared, enough slices to balance the threads.
    const TaskGrid grid(positions / bodies, bodies, plan.lists.parts[Arm].size(),
                        shared ? kSlicesPerThread * threads_ : positions);

    FastTaskRunner runner(plan, snapshot.exclusions, control);
    // Alone, a slice knows every hit before it: those kept.
    std::atomic<std::size_t> kept{0};
    runner.setHitsBefore(&kept, {});
    std::unique_ptr<TaskPool> pool;
    for (std::size_t k = 0; k < grid.count(); ++k) {
        const SliceBounds slice = grid.slice(k);
        if (announce(slice, plan, control, pool.get(), progress)) return store_.size();
        if (shared && !pool && Clock::now() - start >= aloneFor_) {
            pool = std::make_unique<TaskPool>(plan, snapshot.exclusions, grid, threads_, control, k, store_.size());
        }
        auto within = [&](std::uint64_t live) { reportWithin(slice, live, plan, control, progress); };
        TaskOutcome outcome;
        if (pool) {
            outcome = pool->take(k, within);
        } else {
            runner.setPulse(within);
            kept.store(store_.size(), std::memory_order_relaxed);
            outcome = runner.run(slice);
        }
        if (absorb(outcome, slice, plan, control, pool.get(), progress)) return store_.size();
    }
    return store_.size();
}

}  // namespace vk
