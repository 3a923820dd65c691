#include "core/catalogue/deco_row_recount.h"

namespace vk {

void recountDecoRow(const Catalogue& catalogue, DecoSet& set, int part) {
    set.DecoTotal -= set.DecoCount[part];
    for (int s = 0; s < kSlotsPerPart; ++s) set.SlotUsed[part][s] = 0;
    set.SlotsUsed[part] = 0;
    set.DecoCount[part] = 0;
    for (int s = 0; s < kSlotsPerPart; ++s) {
        const int deco = set.DecoIndex[part][s];
        if (deco <= 0 || deco >= static_cast<int>(catalogue.decos.size())) continue;
        const int slots = catalogue.decos[deco].slots;
        for (int k = s; k < s + slots && k < kSlotsPerPart; ++k) set.SlotUsed[part][k] = 1;
        set.SlotsUsed[part] += slots;
        ++set.DecoCount[part];
    }
    set.DecoTotal += set.DecoCount[part];
}

}  // namespace vk
