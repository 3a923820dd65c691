#pragma once
// Whether a search would store a given armour combination as a hit: the
// engine's own test of one combination (candidate lists, minimum defence,
// armour, slot estimate, decoration search), without enumerating anything.
// A hit found under one condition, checked against another, proves that the
// other's search has a hit too.

#include <memory>
#include <vector>

#include "core/search/engine/armour_eval.h"
#include "core/search/engine/candidate_lists.h"
#include "core/search/fast/fast_deco_search.h"

namespace vk {

class CombinationCheck {
public:
    // Everything is referenced; all must outlive the check.
    CombinationCheck(const Catalogue& cat, const SearchCondition& cond, const SearchSnapshot& snapshot,
                     SearchControl& control);

    // True when the search of the condition enumerates `pieces` and stores
    // them as a hit. False otherwise, and when a stop cut the decoration
    // search short (so false proves nothing).
    bool accepts(const Pieces& pieces);

private:
    const Catalogue& cat_;
    const SearchCondition& cond_;
    WantedSkills wanted_;
    CandidateLists lists_;
    std::array<std::vector<bool>, kArmourParts> listed_;  // per part, per Equip row: in the candidate list
    std::unique_ptr<FastDecorationSearch> decoSearch_;
};

}  // namespace vk
