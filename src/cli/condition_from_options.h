#pragma once
// Turns the typed search options into the search page's control values,
// looking names up in the catalogue, then gathers them through the same
// checks and gathering as the window's "検索" button.

#include "cli/search_options.h"
#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition_form.h"
#include "core/search/condition/condition_gather.h"

namespace vk::cli {

// Throws UsageError for an unknown skill, piece or decoration, or a
// decoration that does not fit its fixed piece.
ConditionForm conditionForm(const Catalogue& cat, const SearchOptions& options);

// The form checked (no skill, two skills of one system: UsageError with the
// window's message) and gathered.
GatheredCondition gatherSearchCondition(const Catalogue& cat, const ConditionForm& form);

}  // namespace vk::cli
