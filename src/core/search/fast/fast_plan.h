#pragma once
// Everything a fast search fixes before it enumerates: the candidate lists
// (built exactly as the reference builds them), each candidate's profile,
// the fixed decorations' points and the test each wanted slot applies.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/search/engine/candidate_lists.h"
#include "core/search/engine/engine.h"
#include "core/search/fast/deco_proof.h"
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
    // When decorations are used and not fixed, what proves the decoration
    // search fails over a whole subtree: a wanted skill only armour can meet
    // (`decoNeverFits`), or the proof with, per bound, the most one Leg piece
    // adds and one Wst piece and one Leg piece add together.
    bool decoNeverFits = false;
    std::optional<DecoProof> proof;
    std::vector<std::int64_t> legMost;
    std::vector<std::int64_t> wstLegMost;
};

// Throws std::invalid_argument as the reference engine does.
FastPlan makeFastPlan(const Catalogue& cat, const SearchCondition& cond, const SearchSnapshot& snapshot);

}  // namespace vk
