#pragma once
// The rows a set of hits refers to, as a result file lists them in its L
// records: per armour part the distinct piece rows, and (as part 5) the
// distinct decoration entries, each in order of first occurrence.

#include <array>
#include <vector>

#include "core/catalogue/records.h"
#include "core/search/hits/result_store.h"

namespace vk {

// [0..4] piece rows per PartIndex; [5] decoration rows over every hit's
// entries (rows Leg..Weapon, slots 0..2), an empty entry (0) included.
using NameLists = std::array<std::vector<int>, kDecoParts>;

NameLists collectNameLists(const ResultStore& hits);

}  // namespace vk
