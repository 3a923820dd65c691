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

    // How long a position may run before a report from within it
    // (kWithinPositionReportMs), and how long a search runs on the calling
    // thread alone before the other threads join (tests shorten both).
    void setWithinPositionInterval(std::chrono::milliseconds interval) { withinInterval_ = interval; }
    void setAloneFor(std::chrono::milliseconds aloneFor) { aloneFor_ = aloneFor; }

private:
    using Clock = std::chrono::steady_clock;

    // Progress at the start of Head x Body position `position` (100 past the last).
    float positionPercent(std::size_t position, const FastPlan& plan) const;
    // Reports the Body position a slice starts with, before it runs, as the
    // reference does; true when the search ends there (stopped).
    bool announce(const SliceBounds& slice, const FastPlan& plan, SearchControl& control, const ProgressFn& progress);
    // Appends a slice's hits in order and reports progress at each further
    // Body position it starts; true when the search ends with it.
    bool absorb(const TaskOutcome& outcome, const SliceBounds& slice, const FastPlan& plan, SearchControl& control,
                const ProgressFn& progress);
    // A report from within `slice`, `live` combinations into it, when the
    // last report is long enough ago and the search is neither paused nor
    // stopped.
    void reportWithin(const SliceBounds& slice, std::uint64_t live, const FastPlan& plan, SearchControl& control,
                      const ProgressFn& progress);

    const Catalogue& cat_;
    int threads_;
    std::chrono::milliseconds withinInterval_{kWithinPositionReportMs};
    // A short search is over before starting the other threads would pay.
    std::chrono::milliseconds aloneFor_{30};
    Clock::time_point lastReport_;
};

}  // namespace vk
