#pragma once
// Laying chosen decorations into one part row of a DecoSet the way the
// fixed-equipment dialog's result is applied: from slot 0 upward, each at the
// first slot it takes (a two-slot decoration then a one-slot one gives the
// entries d1, 0, d2 and all three slots used).

#include <span>

#include "core/catalogue/catalogue.h"
#include "core/catalogue/deco_set.h"

namespace vk {

// Empties row `part` (0..5) and keeps DecoTotal in step.
void clearDecoRow(DecoSet& set, int part);

// Empties row `part`, then lays `decos` (Deco rows, in fitting order) into
// it. Entries that are no decoration of the table are skipped; a decoration
// that no longer fits in the three slots is dropped.
void layDecorations(const Catalogue& catalogue, DecoSet& set, int part, std::span<const int> decos);

// Recomputes row `part`'s slot-used flags and counts (and DecoTotal) from
// its three entries as they stand, each entry taking its decoration's slots
// from its own position on.
void recountDecoRow(const Catalogue& catalogue, DecoSet& set, int part);

}  // namespace vk
