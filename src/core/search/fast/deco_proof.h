#pragma once
// Proofs that no decoration layout can activate the wanted skills, made once
// per search and shared by every skill order, start layout and combination.
//
// A layout meets wanted skill j when the points its decorations bring to j
// make up what j still lacks (">=", ">") or shed what it must ("<=", "<").
// Weighing each skill's points and adding them turns several skills into one
// figure that every passing layout must reach; the most a part of c free
// slots can add to that figure is an unbounded knapsack over the decorations
// a fill can place. One skill alone proves that it cannot be met; several
// together prove that they cannot be met at once, since they compete for the
// same slots. Over a whole subtree of the enumeration, the least need and
// the most slots give a proof for every combination in it.

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"
#include "core/search/condition/except_flags.h"
#include "core/search/condition/wanted_skills.h"
#include "core/search/fast/fast_profiles.h"

namespace vk {

// Per decoration row: the points the recount credits to each wanted slot
// (each entry to the first wanted slot of its system).
std::vector<WantedInts> decoCredits(const Catalogue& cat, const WantedSkills& wanted);

// True when every part of `layout` holds its decorations packed from slot 0,
// as the fixed-equipment dialog places them: a fill then only writes into
// empty cells and never replaces a fixed decoration.
bool packedLayout(const Catalogue& cat, const DecoSet& layout);

// Free slots per part, the weapon last.
using PartSlots = std::array<int, kDecoParts>;

class DecoProof {
public:
    struct Item {
        int slots = 0;        // at least 1
        WantedInts credit{};  // see decoCredits
    };

    // `items`: the decorations a fill can place; `capacity`: the most free
    // slots a part can have.
    DecoProof(const std::vector<Item>& items, const WantedSkills& wanted, int capacity);

    // `start[j]`: what wanted slot j still lacks (kinds 0, 1) or, negative,
    // must still shed (2, 3) once the start layout is counted; `free[p]`:
    // slots decorations may take in part p; the body counts `bodyFactor`
    // times. True when no layout pays off every wanted skill.
    bool fails(const WantedInts& start, const PartSlots& free, int bodyFactor) const;

    // The same for every combination of a subtree: its needs lie in
    // [needLo, needHi], the parts already chosen have `chosenFree` slots (0
    // for parts still open), the body counts at most `bodyFactorMax` times
    // and the open parts add at most `openMost[b]` under bound b.
    bool failsWithin(const WantedInts& needLo, const WantedInts& needHi, const PartSlots& chosenFree,
                     int bodyFactorMax, const std::vector<std::int64_t>& openMost) const;

    // Per bound, the most one piece with one of these slot counts adds.
    std::vector<std::int64_t> mostOf(const std::vector<int>& slotCounts) const;

    std::size_t boundCount() const { return bounds_.size(); }

private:
    struct Bound {
        WantedInts weight{};             // positive for ">=", ">"; negative for "<=", "<"
        std::vector<std::int64_t> best;  // per number of free slots, the most weighted points
    };

    static std::int64_t most(const Bound& b, int freeSlots) {
        if (freeSlots <= 0) return 0;
        return b.best[std::min<std::size_t>(static_cast<std::size_t>(freeSlots), b.best.size() - 1)];
    }

    std::vector<Bound> bounds_;
};

// The proof for a search, or nothing when it cannot be had: a decoration
// that takes no slot, fixed decorations that are not packed, or a catalogue
// with more slots per part than the tables reach. Wanted skills of kind 4
// ("==") take no part (no layout ever pays them off).
std::optional<DecoProof> makeDecoProof(const Catalogue& cat, const SearchCondition& cond,
                                       const WantedSkills& wanted, const ExceptFlags& exclusions);

}  // namespace vk
