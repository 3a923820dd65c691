#pragma once
// The search engine's interface, shared by the window's worker, the CLI and
// the tests. Engines know nothing of threads or windows: they take the stop
// and pause flags as atomics and report progress through a callback.

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"
#include "core/search/condition/except_flags.h"
#include "core/search/engine/search_control.h"
#include "core/search/hits/result_store.h"

namespace vk {

// The user's collections as they stood when the search started: copied so that
// edits in the window during a search cannot race with it.
struct SearchSnapshot {
    std::array<std::vector<int>, kArmourParts> possessed;  // owned Equip rows per part, stored order
    ExceptFlags exclusions;
};

struct SearchProgress {
    std::uint64_t Tested = 0;
    std::uint64_t Total = 0;
    float Progress = 0.0f;  // percent
    std::size_t hits = 0;
    // A report from inside a Body position that lasts: the fast engine adds
    // one about every kWithinPositionReportMs, so that a front end hears from
    // every search at least that often. Tested and Progress then count what
    // is done so far; hits are those stored. The reference engine never
    // makes one.
    bool withinPosition = false;
};

constexpr int kWithinPositionReportMs = 100;

// Called once each time the Body position changes (and, from the fast
// engine, within long positions).
using ProgressFn = std::function<void(const SearchProgress&)>;

class SearchEngine {
public:
    virtual ~SearchEngine() = default;

    // Runs one whole search. `cond.wanted` holds the wanted skills sorted
    // descending (non-empty ones first). Returns the number of hits; the hits
    // are in store(), in search order. The search ends when the loops are
    // exhausted, at a stop, at the hit limit, or with the hit that brings the
    // kept hits to control.MemoryBudget (memoryBudgetReached() then says so).
    virtual std::size_t run(const SearchCondition& cond, const SearchSnapshot& snapshot,
                            SearchControl& control, const ProgressFn& progress) = 0;

    const ResultStore& store() const { return store_; }
    ResultStore& store() { return store_; }
    std::uint64_t tested() const { return tested_; }
    std::uint64_t total() const { return total_; }
    float progress() const { return progress_; }
    // Whether the last search ended because its hits reached the memory budget.
    bool memoryBudgetReached() const { return budgetReached_; }

protected:
    // The start of every run: no hits, the budget not reached.
    void beginRun() {
        store_.clear();
        budgetReached_ = false;
    }
    // Asked after each hit stored: true, and remembered, when the kept hits
    // have reached the budget; the search then ends as at a stop.
    bool keptHitsReachBudget(const SearchControl& control) {
        if (store_.memoryBytes() < control.MemoryBudget) return false;
        return budgetReached_ = true;
    }

    ResultStore store_;
    std::uint64_t tested_ = 0;
    std::uint64_t total_ = 0;
    float progress_ = 0.0f;
    bool budgetReached_ = false;
};

}  // namespace vk
