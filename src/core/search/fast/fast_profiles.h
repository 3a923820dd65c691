#pragma once
// What the fast search needs to know of each candidate piece: its points in
// the wanted slots, its torso-up entries, slots and defence. A combination's
// totals are then a few additions of these figures.

#include <array>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"
#include "core/search/condition/wanted_skills.h"

namespace vk {

using WantedInts = std::array<int, kWantedSlots>;

// A Leg, Head, Arm or Wst piece.
struct PieceProfile {
    WantedInts points{};  // per wanted slot, by the first wanted slot naming the entry's system
    int torso = 0;        // entries naming the torso-up system
    int slots = 0;
    int defence = 0;
};

// A body piece: `sum` is what it adds itself, `last` what a torso-up entry
// elsewhere repeats (the last entry naming the slot's system).
struct BodyProfile {
    WantedInts sum{};
    WantedInts last{};
    int slots = 0;
    int defence = 0;
};

PieceProfile pieceProfile(const Catalogue& cat, const WantedSkills& wanted, const Equip& piece);
BodyProfile bodyProfile(const Catalogue& cat, const WantedSkills& wanted, const Equip& piece);

// The fixed decorations' points per wanted slot: those outside the body count
// once, those in the body BodyFactor times. Zero when decorations are not fixed.
struct FixedDecoPoints {
    WantedInts outside{};
    WantedInts body{};
    WantedInts at(int bodyFactor) const {
        WantedInts p{};
        for (int j = 0; j < kWantedSlots; ++j) p[j] = outside[j] + body[j] * bodyFactor;
        return p;
    }
};

FixedDecoPoints fixedDecoPoints(const Catalogue& cat, const WantedSkills& wanted, const SearchCondition& cond);

}  // namespace vk
