#pragma once
// The fast exact search: the same hits in the same order, the same counters
// and the same progress calls as the reference engine, found by summing
// per-piece profiles, skipping subtrees that provably yield nothing (counting
// them as tested), remembering decoration outcomes, and sharing the work
// among threads. Between the reference's calls it reports from within long
// Body positions, so that a front end hears from it every
// kWithinPositionReportMs.

#include <chrono>

#include "core/search/engine/engine.h"
#include "core/search/fast/fast_plan.h"
#include "core/search/fast/fast_task.h"

namespace vk {

class FastEngine : public SearchEngine {
public:
    // threads <= 0: one per hardware thread.
    FastEngine(const Catalogue& cat, int threads);

    // Throws std::invalid_argument when the condition names rows the
    // catalogue does not have, as the reference does.
    std::size_t run(const SearchCondition& cond, const SearchSnapshot& snapshot, SearchControl& control,
                    const ProgressFn& progress) override;

    int threads() const { return threads_; }

private:
    using Clock = std::chrono::steady_clock;

    // Appends a slice's hits in order and reports progress at each Body
    // position it starts; true when the search ends with it.
    bool absorb(const TaskOutcome& outcome, const SliceBounds& slice, const FastPlan& plan, SearchControl& control,
                const ProgressFn& progress);
    // A report from within `slice`, `live` combinations into it, when the
    // last report is long enough ago and the search is neither paused nor
    // stopped.
    void reportWithin(const SliceBounds& slice, std::uint64_t live, const FastPlan& plan, SearchControl& control,
                      const ProgressFn& progress);

    const Catalogue& cat_;
    int threads_;
    Clock::time_point lastReport_;
};

}  // namespace vk
