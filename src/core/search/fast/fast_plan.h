#pragma once
// Everything a fast search fixes before it enumerates: the candidate lists
// (built exactly as the reference builds them), each candidate's profile,
// the fixed decorations' points and the test each wanted slot applies.

#include <cstdint>
#include <vector>

#include "core/search/engine/candidate_lists.h"
#include "core/search/engine/engine.h"
#include "core/search/fast/fast_profiles.h"

namespace vk {

struct FastPlan {
    const Catalogue* cat = nullptr;
    const SearchCondition* cond = nullptr;
    WantedSkills wanted;
    CandidateLists lists;
    std::array<std::vector<PieceProfile>, kArmourParts> pieces;  // per part in list order; Body's stays empty
    std::vector<BodyProfile> bodies;
    FixedDecoPoints fixed;
    // A wanted slot is met when its total lies in [acceptLo, acceptHi]; an
    // empty slot accepts everything.
    WantedInts acceptLo{};
    WantedInts acceptHi{};
    std::uint32_t hitLimit = 0;  // compared unsigned: negative entries never end the search
    // True when the slot estimate may be applied to bounds of a whole subtree:
    // every slots-per-point figure it multiplies is a non-negative number.
    bool estimateBounds = false;
};

// Throws std::invalid_argument as the reference engine does.
FastPlan makeFastPlan(const Catalogue& cat, const SearchCondition& cond, const SearchSnapshot& snapshot);

}  // namespace vk
