#pragma once
// One search as the commands run it: the engine of choice over the gathered
// condition and the collections it was given, timed on the wall clock.

#include <cstdint>

#include "cli/engine_choice.h"
#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition_gather.h"
#include "core/search/engine/engine.h"

namespace vk::cli {

struct SearchRun {
    ResultStore hits;  // search order
    std::uint64_t tested = 0;
    std::uint64_t total = 0;
    double seconds = 0.0;
    bool interrupted = false;   // stopped by Ctrl+C before the end
    bool budgetReached = false;  // ended by the memory budget, with the hit that reached it
};

// `progress` may be empty. Ctrl+C during the run stops the search; the hits
// found so far are kept and `interrupted` is set. `memoryBudget` is the
// bytes the kept hits may take (SearchControl::MemoryBudget).
SearchRun runSearch(const Catalogue& cat, const GatheredCondition& condition, const SearchSnapshot& snapshot,
                    const EngineChoice& engine, const ProgressFn& progress,
                    std::size_t memoryBudget = kNoMemoryBudget);

}  // namespace vk::cli
