#pragma once
// Armour pieces the character owns, each with its fitted decorations.

#include <array>
#include <deque>
#include <string>

#include "core/catalogue/records.h"

namespace vk {

struct Possession {
    int PossPart = 0;   // PartIndex 0..4
    int PossIndex = 0;  // Equip row; 0 only when the stored piece resolved nowhere
    std::string PossName;
    std::array<int, 3> PossDeco{};  // Deco rows in fitting order; 0 beyond PossDecoCount
    int PossDecoCount = 0;          // 0..3
    std::array<std::string, 3> PossDecoName;

    bool operator==(const Possession&) const = default;
};

// Per part (PartIndex order) the owned pieces in the user's order.
using PossessionLists = std::array<std::deque<Possession>, kArmourParts>;

// True when `row` of `part` stands in that part's possession list. Row 0,
// the row for no piece, is never owned (a possession whose piece resolved
// nowhere refers to it).
inline bool isPossessed(const PossessionLists& lists, int part, int row) {
    if (row <= 0) return false;
    for (const Possession& p : lists[part])
        if (p.PossIndex == row) return true;
    return false;
}

}  // namespace vk
