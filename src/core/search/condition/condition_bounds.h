#pragma once
// Guards the engines against a condition that names rows the catalogue does
// not have (a hand-edited settings or collections file, a CLI argument).

#include <string>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"

namespace vk {

// Empty when the catalogue can be searched at all: every table has its
// no-entry row and the derived tables are built. Otherwise a one-line
// description of the first problem (plain ASCII), naming the data file.
std::string catalogueRangeError(const Catalogue& cat);

// Empty when the catalogue can be searched and every row and system the
// condition names exists; otherwise a one-line description of the first
// problem (plain ASCII).
std::string conditionRangeError(const Catalogue& cat, const SearchCondition& cond);

}  // namespace vk
