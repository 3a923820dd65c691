#pragma once
// The exclusion records that the collections file and the result file share:
// "EE,part,name,index" per excluded piece (parts 0 to 4, rows ascending),
// then "ED,name,index" per excluded decoration (rows ascending).

#include <string>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/except_flags.h"

namespace vk {

void appendExclusionRecords(std::string& out, const Catalogue& catalogue, const ExceptFlags& flags);

// How many pieces (all five parts) and decorations are excluded.
int excludedPieceCount(const ExceptFlags& flags);
int excludedDecoCount(const ExceptFlags& flags);

}  // namespace vk
