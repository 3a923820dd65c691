#pragma once
// The wanted skills of a search as the engine reads them, one position per
// wanted slot (the condition's wanted[], chosen skills first).

#include <array>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"

namespace vk {

constexpr int kWantedSlots = 5;

struct WantedSkills {
    int n = 0;                                 // the condition's wanted count
    std::array<bool, kWantedSlots> set{};      // wanted[j] > 0
    std::array<int, kWantedSlots> system{};    // system of activation row wanted[j]; row 0 for an empty slot
    std::array<int, kWantedSlots> kind{};      // CompareKind of that row
    std::array<int, kWantedSlots> threshold{};
};

// Rows of `cond.wanted` must lie inside the activation table.
inline WantedSkills wantedSkills(const Catalogue& cat, const SearchCondition& cond) {
    WantedSkills w;
    w.n = cond.wantedCount;
    for (int j = 0; j < kWantedSlots; ++j) {
        const SkillEq& eq = cat.skillEqs[cond.wanted[j]];
        w.set[j] = cond.wanted[j] > 0;
        w.system[j] = eq.system;
        w.kind[j] = eq.kind;
        w.threshold[j] = eq.threshold;
    }
    return w;
}

// The list a skill of `kind` draws from: the plus list for ">=" and ">", the
// minus list for every other kind.
inline const std::vector<int>& listForKind(const SkillLists& lists, int kind) {
    return isPositiveKind(kind) ? lists.plus : lists.minus;
}

}  // namespace vk
