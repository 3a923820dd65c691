#pragma once
// Random small catalogues and search conditions for comparing engines: every
// feature the search reads (torso-up pieces, duplicate names, negative
// points, "==" skills, fixed pieces and decorations, exclusions, possessions,
// priorities, hit limits, minimum defence, rarity limits, all pieces,
// three-slot pieces) turns up with a fair chance, and so do numbers a damaged
// data file holds (slot counts out of range, values at the ends of int).

#include <cstdint>
#include <random>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"
#include "core/search/engine/engine.h"

namespace vk::search_test {

struct RandomSearch {
    Catalogue cat;
    SearchCondition cond;
    SearchSnapshot snapshot;
};

RandomSearch randomSearch(std::uint32_t seed);

}  // namespace vk::search_test
