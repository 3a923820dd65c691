#pragma once
// The pieces and decorations held fixed on the search page. Every part keeps
// its piece whether or not its fixed box is checked; the boxes decide what a
// search takes from here.

#include <array>

#include "core/catalogue/deco_set.h"

namespace vk {

struct FixEquip {
    std::array<int, kArmourParts> piece{};  // Equip row per part, PartIndex order; 0 = nothing
    DecoSet decos;                          // decorations fitted into the fixed pieces

    bool operator==(const FixEquip&) const = default;
};

}  // namespace vk
