#pragma once
// Derived slot tables: the three-slot pieces of a part and the slots a
// decoration costs per skill point.

#include <vector>

#include "core/catalogue/catalogue.h"

namespace vk {

// Indices of the pieces with more than two slots, in table order.
std::vector<int> threeSlotPieces(const std::vector<Equip>& pieces);

// Fills cat.slotsPerPoint (least slots/points of the decorations whose entry
// 0 names the system; 1.0 when none) and cat.slotsPerMinusPoint (greatest
// slots/points of the decorations whose entry 1 names the system; -3.0 when
// none), from decoration 1 on.
void computeSlotRatios(Catalogue& cat);

}  // namespace vk
