#pragma once
// The per-part piece candidates and the decoration candidates a search
// enumerates, built once at its start.

#include <array>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"
#include "core/search/engine/engine.h"

namespace vk {

struct CandidateLists {
    std::array<std::vector<int>, kArmourParts> parts;  // Equip rows per part; each holds at least one entry
    std::vector<int> decos;                            // Deco rows; entry 0 is the empty decoration
};

// The piece filter: sex and type fit the wearer, rarity within the limit.
bool pieceFits(const Equip& piece, const SearchCondition& cond);

// Builds the lists in the order the search walks them (no priority order yet).
CandidateLists buildCandidates(const Catalogue& cat, const SearchCondition& cond, const SearchSnapshot& snapshot);

// The piece attribute a priority orders by: 1 defence, 2 rarity, 3 slots,
// 4 fire, 5 water, 6 thunder, 7 ice, 8 dragon.
int priorityValue(const Equip& piece, int priority);

// Orders every part's whole list by the attribute, highest first; equal
// values keep their build order. Priority 0 (or out of range) leaves them.
void orderByPriority(const Catalogue& cat, int priority, CandidateLists& lists);

}  // namespace vk
