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

// Slices per thread: enough for the threads to balance uneven slices.
constexpr std::size_t kSlicesPerThread = 32;

}  // namespace

FastEngine::FastEngine(const Catalogue& cat, int threads) : cat_(cat), threads_(threadsFor(threads)) {}

bool FastEngine::absorb(const TaskOutcome& outcome, const SliceBounds& slice, const FastPlan& plan,
                        SearchControl& control, const ProgressFn& progress) {
    const std::uint64_t base = tested_;
    std::size_t next = 0;
    // Appends the hits found up to combination `upTo` of the slice; true when
    // the hit limit ends the search at one of them.
    auto appendHits = [&](std::uint64_t upTo) {
        for (; next < outcome.hits.size() && outcome.hits[next].ordinal <= upTo; ++next) {
            store_.push_back(outcome.hits[next].hit);
            if (plan.hitLimit <= store_.size()) {
                tested_ = base + outcome.hits[next].ordinal;
                return true;
            }
        }
        return false;
    };
    const std::size_t heads = plan.lists.parts[Head].size();
    const std::size_t bodies = plan.lists.parts[Body].size();
    for (std::size_t m = 0; m < outcome.bodyStarts.size(); ++m) {
        if (appendHits(outcome.bodyStarts[m])) return true;
        // A stop made while the slice ran ends the search where the slice
        // noticed it, with no report after it. No report while paused
        // either: the reference waits before the position's first combination.
        if (control.waitWhileSuspended()) break;
        const std::size_t position = slice.positionBegin + m;
        progress_ = progressPercent(position / bodies, heads, position % bodies, bodies);
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
    if (now - lastReport_ < std::chrono::milliseconds(kWithinPositionReportMs)) return;
    lastReport_ = now;
    // How far the slice is, in Head x Body positions.
    const std::size_t positions = plan.lists.parts[Head].size() * plan.lists.parts[Body].size();
    const double perArm = static_cast<double>(plan.lists.parts[Wst].size()) * plan.lists.parts[Leg].size();
    const double perPosition = perArm * static_cast<double>(plan.lists.parts[Arm].size());
    const double position = static_cast<double>(slice.positionBegin) +
                            (static_cast<double>(slice.armBegin) * perArm + static_cast<double>(live)) / perPosition;
    const float percent = static_cast<float>(std::min(position, static_cast<double>(slice.positionEnd)) * 100.0 /
                                             static_cast<double>(positions));
    SearchProgress report{tested_ + live, total_, percent, store_.size()};
    report.withinPosition = true;
    progress(report);
}

std::size_t FastEngine::run(const SearchCondition& cond, const SearchSnapshot& snapshot, SearchControl& control,
                            const ProgressFn& progress) {
    store_.clear();
    const FastPlan plan = makeFastPlan(cat_, cond, snapshot);
    total_ = 1;
    for (const std::vector<int>& list : plan.lists.parts) total_ *= list.size();
    tested_ = 0;
    lastReport_ = Clock::now();

    const std::size_t bodies = plan.lists.parts[Body].size();
    const std::size_t positions = plan.lists.parts[Head].size() * bodies;
    const bool pooled = threads_ > 1;
    // Alone, one slice per position; shared, enough slices to balance the threads.
    const TaskGrid grid(positions / bodies, bodies, plan.lists.parts[Arm].size(),
                        pooled ? kSlicesPerThread * threads_ : positions);

    std::unique_ptr<FastTaskRunner> runner;
    std::unique_ptr<TaskPool> pool;
    if (pooled)
        pool = std::make_unique<TaskPool>(plan, snapshot.exclusions, grid, threads_, control);
    else
        runner = std::make_unique<FastTaskRunner>(plan, snapshot.exclusions, control);

    for (std::size_t k = 0; k < grid.count(); ++k) {
        const SliceBounds slice = grid.slice(k);
        auto within = [&](std::uint64_t live) { reportWithin(slice, live, plan, control, progress); };
        TaskOutcome outcome;
        if (pooled) {
            outcome = pool->take(k, within);
        } else {
            runner->setPulse(within);
            outcome = runner->run(slice);
        }
        if (absorb(outcome, slice, plan, control, progress)) return store_.size();
    }
    return store_.size();
}

}  // namespace vk
