#pragma once
// Laying the decorations chosen in the fixed-equipment dialog into one part
// row of a DecoSet: the row is emptied, then each decoration, in fitting
// order, goes to the first slot it takes, from slot 0 upward. A two-slot
// decoration followed by a one-slot one gives entries (d1, 0, d2) and used
// flags (1, 1, 1). The fixed pieces, my sets and the possession summary all
// lay decorations this way.

#include <span>

#include "core/catalogue/catalogue.h"
#include "core/catalogue/deco_set.h"
#include "core/search/condition/fix_equip.h"

namespace vk {

// Empties row `part` (0..5), keeping DecoTotal the sum of the rows.
void clearDecoRow(DecoSet& set, int part);

// Empties row `part` and lays `decos` (Deco rows; 0 and unknown rows are
// skipped) in from slot 0. Decorations that would run past the third slot
// are left out.
void layDecorations(DecoSet& set, int part, std::span<const int> decos, const Catalogue& catalogue);

// The fixed-piece apply of the search tab: piece `pieceRow` for `part`
// (0..4) with `decos` laid into its row.
void setFixedPiece(FixEquip& fix, int part, int pieceRow, std::span<const int> decos, const Catalogue& catalogue);

}  // namespace vk
