#pragma once
// Whether five pieces (with the fixed decorations, when they are fixed)
// activate every wanted skill, and by how much each one falls short.

#include <array>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"
#include "core/search/condition/wanted_skills.h"

namespace vk {

using Pieces = std::array<int, kArmourParts>;  // Equip row per part, PartIndex order

struct ArmourEval {
    bool success = false;
    // Per wanted slot: points still missing (kinds 0, 1: > 0 when short),
    // points to shed (kinds 2, 3: < 0 when over), 0 for kind 4 and empty slots.
    std::array<int, kWantedSlots> need{};
    std::array<int, kWantedSlots> fixedDecoPoints{};  // points of the fixed decorations per wanted slot
    int bodyFactor = 1;                                 // 1 + torso-up entries on Leg, Head, Arm, Wst
};

ArmourEval evaluateArmour(const Catalogue& cat, const WantedSkills& wanted, const SearchCondition& cond,
                          const Pieces& pieces);

// How far `total` is from activating a skill of `kind` and `threshold`.
int needFor(int kind, int total, int threshold);

// The first wanted slot whose system is `system`, or -1.
int firstWantedSlot(const WantedSkills& wanted, int system);

}  // namespace vk
