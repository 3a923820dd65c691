#include "cli/hit_report.h"

#include "core/results/shown_set.h"
#include "core/results/text_report.h"
#include "core/text/sjis.h"

namespace vk::cli {

std::optional<std::string> hitReport(const Catalogue& cat, const SearchCondition& search, const ResultStore& hits,
                                     int n, bool sjis) {
    if (n < 1 || static_cast<std::size_t>(n) > hits.size()) return std::nullopt;
    const ShownSet set = shownSetOf(hits[static_cast<std::size_t>(n) - 1], search.weaponSlots, search.sex, search.type);
    const std::string report = BuildTextReport(cat, set);
    return sjis ? report : sjisToUtf8(report);
}

}  // namespace vk::cli
