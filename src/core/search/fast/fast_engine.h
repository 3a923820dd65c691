#pragma once
// The fast exact search: the same hits in the same order, the same counters
// and the same progress calls as the reference engine, found with far less
// work. Between the reference's calls it also reports from within long Body
// positions, so that a front end hears from it every kWithinPositionReportMs.
//
// How it works, file by file:
//  - fast_plan: everything fixed before enumerating. The candidate lists are
//    built by the reference's own code (engine/candidate_lists), and every
//    candidate gets a profile (fast_profiles): its points in each wanted
//    system, its torso-up count, slots and defence, so that a combination's
//    figures are sums instead of a walk over skill entries.
//  - fast_bounds: once Head and Body are chosen, each other piece adds its
//    gain independently. Bounds over the gains of the parts still open skip
//    whole Arm and Wst subtrees that cannot reach the minimum defence or a
//    wanted skill even with decorations. The single-precision slot estimate
//    of the reference (reference/deco_fitting, estimateFeasible) is applied
//    to those bounds only when every factor it multiplies is non-negative,
//    so a skipped subtree is one the reference would reject combination by
//    combination. Skipped combinations still count as tested.
//  - deco_proof: knapsack bounds over single skills, pairs and all wanted
//    skills prove that no layout of the allowed decorations can work, for
//    one combination or for a whole subtree, whatever the skill order.
//  - fast_deco_search: the decoration search for a combination the proof
//    cannot settle; it returns the reference's result and layout with fill
//    tables shared between start layouts and skill orders.
//  - deco_memo: what the estimate and the decoration search said, keyed by
//    the pieces' slots, BodyFactor and the skills' remaining need; shared by
//    the threads, bounded, and holding only searches the proof left open.
//  - fast_task, fast_task_grid, fast_task_pool: the search is cut into
//    slices of Head x Body positions (fast_task_grid); threads take slices in
//    order (fast_task_pool), and each slice returns its hits with the number
//    of their combination inside the slice and the combinations counted
//    before each Body position. The engine (below) appends slice outcomes in
//    enumeration order, so hit order, the hit-limit end and Tested are the
//    reference's exactly, however many threads ran. Once the slices run
//    hold enough hits for the hit limit or the memory budget, no further
//    slice starts; a slice whose hits, with those surely before it, are
//    enough ends there, and the hits of a finished one that cannot count are
//    dropped, so the slices together hold about what the search keeps. The
//    merged store decides the end exactly, hit by hit, as the reference's.
//  - fast_engine: runs the slices, merges them, replays the reference's
//    progress calls, and stops or pauses through SearchControl.

#include <chrono>

#include "core/search/engine/engine.h"
#include "core/search/fast/fast_plan.h"
#include "core/search/fast/fast_task.h"

namespace vk {

class TaskPool;

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
    // `pool` is null while the search runs on the calling thread alone.
    bool announce(const SliceBounds& slice, const FastPlan& plan, SearchControl& control, TaskPool* pool,
                  const ProgressFn& progress);
    // Moves a slice's hits in order into the store (the slice's room going
    // as they move) and reports progress at each further Body position it
    // starts; true when the search ends with it.
    bool absorb(TaskOutcome& outcome, const SliceBounds& slice, const FastPlan& plan, SearchControl& control,
                TaskPool* pool, const ProgressFn& progress);
    // A report from within `slice`, `live` combinations into it, when the
    // last report is long enough ago and the search is neither paused nor
    // stopped.
    void reportWithin(const SliceBounds& slice, std::uint64_t live, const FastPlan& plan, SearchControl& control,
                      const ProgressFn& progress);

    const Catalogue& cat_;
    int threads_;
    std::chrono::milliseconds withinInterval_{kWithinPositionReportMs};
    // A short search is over before starting the other threads would pay.
    std::chrono::milliseconds aloneFor_{5};
    Clock::time_point lastReport_;
};

}  // namespace vk
