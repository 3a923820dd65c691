#pragma once
// Once the body is chosen, every other piece adds to a combination's figures
// independently of the rest: its gain in each wanted slot (its own points
// plus, per torso-up entry, the body's repeated points and body decorations),
// its slot capacity (its slots plus, per torso-up entry, the body's slots)
// and its defence. Bounds over these gains let whole subtrees be skipped.

#include <cstddef>
#include <vector>

#include "core/search/fast/fast_plan.h"

namespace vk {

struct Gain {
    WantedInts points{};
    int capacity = 0;
    int torso = 0;
    int slots = 0;
    int defence = 0;
};

// The running figures of a partly chosen combination.
struct PartialSum {
    WantedInts points{};
    int capacity = 0;
    int torso = 0;
    long long defence = 0;

    PartialSum plus(const Gain& g) const {
        PartialSum s = *this;
        for (int j = 0; j < kWantedSlots; ++j) s.points[j] += g.points[j];
        s.capacity += g.capacity;
        s.torso += g.torso;
        s.defence += g.defence;
        return s;
    }
};

// Least and greatest gains over a set of pieces (or a sum of such sets).
struct GainBounds {
    WantedInts lo{};
    WantedInts hi{};
    int capacityMax = 0;
    int torsoMax = 0;
    long long defenceMax = 0;

    GainBounds plus(const GainBounds& o) const;
};

// Pieces of one part whose gains, capacity, torso-up entries and slots agree:
// under one body they give every combination the same outcome, whatever
// their defence.
struct GainGroups {
    std::vector<Gain> gains;         // per group, as its first member's
    std::vector<std::size_t> first;  // per group: its first member's list position
    std::vector<std::size_t> groupOf;  // per list position
};

GainGroups groupGains(const std::vector<Gain>& gains);

Gain gainOf(const PieceProfile& piece, const WantedInts& bodyRepeat, int bodySlots);
GainBounds boundsOf(const std::vector<Gain>& gains, std::size_t begin, std::size_t end);

// True when no combination that completes `partial` with gains inside
// `rest` can yield a hit or reach the hit-limit test: all fall below the
// minimum defence, or none activates every wanted skill by armour and (with
// decorations) the slot estimate rejects every one of them or, when
// `chosen` is given and the plan has a proof, the decoration search provably
// fails for every one of them.
struct ChosenSlots {
    PartSlots free{};  // slots of the parts already chosen and of the weapon; 0 for open parts
    const std::vector<std::int64_t>* openMost = nullptr;  // per proof bound, the most the open parts add
};
bool subtreeBarren(const FastPlan& plan, const PartialSum& partial, const GainBounds& rest,
                   const ChosenSlots* chosen = nullptr);

}  // namespace vk
