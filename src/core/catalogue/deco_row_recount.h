#pragma once
// A DecoSet row read back entry by entry (a my set's MD records): its
// slot-used flags and counts rebuilt to match the entries.

#include "core/catalogue/catalogue.h"
#include "core/catalogue/deco_set.h"

namespace vk {

// Recomputes row `part`'s slot-used flags and counts (and DecoTotal) from its
// three entries as they stand, each entry taking its decoration's slots from
// its own position on. Entries that are no decoration of the table count as
// empty.
void recountDecoRow(const Catalogue& catalogue, DecoSet& set, int part);

}  // namespace vk
