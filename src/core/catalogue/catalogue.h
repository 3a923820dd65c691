#pragma once
// The loaded game catalogue with the lookup tables derived from it. Built once
// at start-up, read-only afterwards (the search worker reads it without locks).

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/records.h"

namespace vk {

// Pieces (or decorations) of one skill system: `plus` carry positive points,
// `minus` zero or negative points. Plus lists run highest points first, minus
// lists most negative first; equal points keep table order.
struct SkillLists {
    std::vector<int> plus;
    std::vector<int> minus;
};

struct Catalogue {
    std::vector<std::string> skillTypes;           // SkillType names; 0 is the no-skill system
    int torsoUpSystem = -1;                        // index of "胴系倍加"; -1 when the file has no such line
    std::array<std::vector<Equip>, kArmourParts> equip;  // PartIndex order
    std::vector<Deco> decos;
    std::vector<SkillEq> skillEqs;

    // Derived tables.
    std::array<std::vector<SkillLists>, kArmourParts> skillIndex;  // [part][system]
    std::vector<SkillLists> decoSkillIndex;                        // [system]
    std::array<std::vector<int>, kArmourParts> slot3List;          // pieces with three slots, table order
    std::vector<float> slotsPerPoint;                              // [system]
    std::vector<float> slotsPerMinusPoint;                         // [system]

    int systemCount() const { return static_cast<int>(skillTypes.size()); }

    // True for the torso-up system; never for system 0 or an unknown system.
    bool isTorsoUp(int system) const { return torsoUpSystem > 0 && system == torsoUpSystem; }

    // Lookups by exact byte comparison: first match, -1 when absent.
    int findSkillType(std::string_view name) const;
    int findSkillEq(std::string_view name) const;
    int findDeco(std::string_view name) const;
    int findEquip(int part, std::string_view name) const;
};

}  // namespace vk
