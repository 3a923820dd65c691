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
#include "core/collections/except_flags.h"
#include "core/search/condition/condition.h"
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
    // are in store(), in search order.
    virtual std::size_t run(const SearchCondition& cond, const SearchSnapshot& snapshot,
                            SearchControl& control, const ProgressFn& progress) = 0;

    const ResultStore& store() const { return store_; }
    ResultStore& store() { return store_; }
    std::uint64_t tested() const { return tested_; }
    std::uint64_t total() const { return total_; }
    float progress() const { return progress_; }

protected:
    ResultStore store_;
    std::uint64_t tested_ = 0;
    std::uint64_t total_ = 0;
    float progress_ = 0.0f;
};

}  // namespace vk
