#pragma once
// The reference search: every armour combination of the candidate lists in
// nesting order Head > Body > Arm > Wst > Leg, each tested by armour alone
// and then, when decorations are allowed, by decoration fitting. Written for
// clarity, step by step; faster engines must give the same hits, counters and
// progress calls.

#include <vector>

#include "core/search/engine/armour_eval.h"
#include "core/search/engine/candidate_lists.h"
#include "core/search/engine/engine.h"

namespace vk {

class ReferenceEngine : public SearchEngine {
public:
    explicit ReferenceEngine(const Catalogue& cat) : cat_(cat) {}

    // Throws std::invalid_argument when the condition names rows the
    // catalogue does not have (see conditionRangeError).
    std::size_t run(const SearchCondition& cond, const SearchSnapshot& snapshot, SearchControl& control,
                    const ProgressFn& progress) override;

    // The candidate lists of the last search, in enumeration order.
    const CandidateLists& candidates() const { return lists_; }

private:
    // Appends a hit; true when the hits kept now reach the memory budget.
    bool storeHit(const Pieces& pieces, const DecoSet& decos, const SearchControl& control);

    const Catalogue& cat_;
    CandidateLists lists_;
};

}  // namespace vk
