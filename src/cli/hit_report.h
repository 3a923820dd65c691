#pragma once
// "velkorantis-cli search --report N": the text report of hit N (in search
// order), as the window's "クリップボードにコピー" makes it.

#include <optional>
#include <string>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"
#include "core/search/hits/result_store.h"

namespace vk::cli {

// The report of hit `n` (1-based) with the weapon slots, sex and type of the
// search; Shift-JIS bytes when `sjis`, else UTF-8. Nothing when there is no
// hit `n`.
std::optional<std::string> hitReport(const Catalogue& cat, const SearchCondition& search, const ResultStore& hits,
                                     int n, bool sjis);

}  // namespace vk::cli
