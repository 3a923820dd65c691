#pragma once
// Decorations placed over the six parts (five armour parts and the weapon),
// three slots each. Forty-nine integers, shared by conditions, hits, my sets
// and result files.

#include <compare>

#include "core/catalogue/records.h"

namespace vk {

struct DecoSet {
    int SlotUsed[kDecoParts][kSlotsPerPart] = {};
    int SlotsUsed[kDecoParts] = {};
    int DecoIndex[kDecoParts][kSlotsPerPart] = {};
    int DecoCount[kDecoParts] = {};
    int DecoTotal = 0;

    bool operator==(const DecoSet&) const = default;

    // Puts decoration `deco` of `slots` slots at the next free slot of `part`.
    // The caller has checked that the slots are free.
    void place(int part, int deco, int slots) {
        const int u = SlotsUsed[part];
        for (int s = u; s < u + slots && s < kSlotsPerPart; ++s) SlotUsed[part][s] = 1;
        if (u >= 0 && u < kSlotsPerPart) DecoIndex[part][u] = deco;
        SlotsUsed[part] += slots;
        ++DecoCount[part];
        ++DecoTotal;
    }

    bool empty() const { return DecoTotal == 0; }
};

static_assert(sizeof(DecoSet) == 49 * sizeof(int), "DecoSet is a block of 49 integers");

}  // namespace vk
