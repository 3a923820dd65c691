#include "core/collections/deco_laying.h"

namespace vk {

void clearDecoRow(DecoSet& set, int part) {
    set.DecoTotal -= set.DecoCount[part];
    for (int slot = 0; slot < kSlotsPerPart; ++slot) {
        set.SlotUsed[part][slot] = 0;
        set.DecoIndex[part][slot] = 0;
    }
    set.SlotsUsed[part] = 0;
    set.DecoCount[part] = 0;
}

void layDecorations(DecoSet& set, int part, std::span<const int> decos, const Catalogue& catalogue) {
    clearDecoRow(set, part);
    for (int deco : decos) {
        if (deco <= 0 || deco >= static_cast<int>(catalogue.decos.size())) continue;
        const int slots = catalogue.decos[deco].slots;
        if (slots <= 0 || set.SlotsUsed[part] + slots > kSlotsPerPart) continue;
        set.place(part, deco, slots);
    }
}

void setFixedPiece(FixEquip& fix, int part, int pieceRow, std::span<const int> decos, const Catalogue& catalogue) {
    fix.piece[part] = pieceRow;
    layDecorations(fix.decos, part, decos, catalogue);
}

}  // namespace vk
