#pragma once
// Decoration fitting for an armour combination that falls short by itself: a
// cheap slot estimate, then a greedy fill with bounded back-tracking that
// stops at the first layout meeting every wanted skill.

#include <array>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"
#include "core/search/condition/except_flags.h"
#include "core/search/condition/wanted_skills.h"
#include "core/search/engine/armour_eval.h"
#include "core/search/engine/engine.h"

namespace vk {

// False when the pieces and the weapon cannot have enough slots for what the
// wanted skills still need (the combination is then skipped).
bool estimateFeasible(const Catalogue& cat, const WantedSkills& wanted, const ArmourEval& ev, const Pieces& pieces,
                      int weaponSlots);

// The estimate's comparison on its own: whether `capacity` slots (pieces, the
// body counted BodyFactor times, and the weapon) may cover `need`.
bool slotsMayCover(const Catalogue& cat, const WantedSkills& wanted, const std::array<int, kWantedSlots>& need,
                   int capacity);

// True when a wanted skill's need is paid off: nothing missing (kinds 0, 1)
// or nothing left to shed (2, 3). Kind 4 is never paid off by decorations.
bool paidOff(int kind, int need);

// True when the first `slots` slots of `part` are free in `layout`.
bool firstSlotsFree(const DecoSet& layout, int part, int slots);

// Puts the forced first decoration of a fitting attempt at slot 0 of `part`.
void forceFirst(DecoSet& layout, int part, int deco, int slots);

class DecorationSearch {
public:
    // Everything is referenced, not copied; all must outlive the object.
    DecorationSearch(const Catalogue& cat, const SearchCondition& cond, const WantedSkills& wanted,
                     const ExceptFlags& exclusions, SearchControl& control);

    // Tries every skill order, every decoration candidate forced first into
    // every armour part. True with `best` set on the first layout that works;
    // false when none does or the search was stopped.
    bool search(const Pieces& pieces, const ArmourEval& ev, const std::vector<int>& decoCandidates, DecoSet& best);

    // One attempt: the wanted skills in `order` (positions 0..n-1 of the
    // wanted slots), decorations added to `start`.
    bool fit(const Pieces& pieces, const ArmourEval& ev, const std::array<int, 5>& order, const DecoSet& start,
             DecoSet& best);

private:
    bool stopped();  // waits out a pause; true when Running is clear
    void greedyFill(const std::array<int, 5>& order, const std::array<int, 5>& skip, int bodyFactor,
                    std::array<int, 6>& freeSlots, std::array<int, 5>& need, DecoSet& work) const;
    bool layoutMeetsWanted(const ArmourEval& ev, const DecoSet& work) const;

    const Catalogue& cat_;
    const SearchCondition& cond_;
    const WantedSkills& wanted_;
    const ExceptFlags& exclusions_;
    SearchControl& control_;
};

}  // namespace vk
