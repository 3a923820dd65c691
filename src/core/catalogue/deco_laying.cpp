#include "core/catalogue/deco_laying.h"

namespace vk {

namespace {
int slotsOf(const Catalogue& catalogue, int deco) {
    if (deco <= 0 || deco >= static_cast<int>(catalogue.decos.size())) return -1;
    return catalogue.decos[deco].slots;
}
}  // namespace

void clearDecoRow(DecoSet& set, int part) {
    set.DecoTotal -= set.DecoCount[part];
    for (int s = 0; s < kSlotsPerPart; ++s) {
        set.SlotUsed[part][s] = 0;
        set.DecoIndex[part][s] = 0;
    }
    set.SlotsUsed[part] = 0;
    set.DecoCount[part] = 0;
}

void layDecorations(const Catalogue& catalogue, DecoSet& set, int part, std::span<const int> decos) {
    clearDecoRow(set, part);
    for (int deco : decos) {
        const int slots = slotsOf(catalogue, deco);
        if (slots < 0 || set.SlotsUsed[part] >= kSlotsPerPart) continue;
        set.place(part, deco, slots);
    }
}

void recountDecoRow(const Catalogue& catalogue, DecoSet& set, int part) {
    set.DecoTotal -= set.DecoCount[part];
    for (int s = 0; s < kSlotsPerPart; ++s) set.SlotUsed[part][s] = 0;
    set.SlotsUsed[part] = 0;
    set.DecoCount[part] = 0;
    for (int s = 0; s < kSlotsPerPart; ++s) {
        const int slots = slotsOf(catalogue, set.DecoIndex[part][s]);
        if (slots < 0) continue;
        for (int k = s; k < s + slots && k < kSlotsPerPart; ++k) set.SlotUsed[part][k] = 1;
        set.SlotsUsed[part] += slots;
        ++set.DecoCount[part];
    }
    set.DecoTotal += set.DecoCount[part];
}

}  // namespace vk
