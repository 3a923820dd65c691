#pragma once
// Guards the engines against a condition that names rows the catalogue does
// not have (a hand-edited settings or collections file, a CLI argument).

#include <string>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"

namespace vk {

// Empty when every row and system the condition names exists; otherwise a
// one-line description of the first problem (plain ASCII).
std::string conditionRangeError(const Catalogue& cat, const SearchCondition& cond);

}  // namespace vk
