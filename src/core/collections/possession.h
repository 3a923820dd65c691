#pragma once
// Armour pieces the character owns, each with its fitted decorations.

#include <array>
#include <deque>
#include <string>

#include "core/catalogue/records.h"

namespace vk {

struct Possession {
    int PossPart = 0;
    int PossIndex = 0;
    std::string PossName;
    std::array<int, 3> PossDeco{};
    int PossDecoCount = 0;
    std::array<std::string, 3> PossDecoName;
};

// Per part (PartIndex order) the owned pieces in the user's order.
using PossessionLists = std::array<std::deque<Possession>, kArmourParts>;

// True when `row` of `part` stands in that part's possession list.
inline bool isPossessed(const PossessionLists& lists, int part, int row) {
    for (const Possession& p : lists[part])
        if (p.PossIndex == row) return true;
    return false;
}

}  // namespace vk
