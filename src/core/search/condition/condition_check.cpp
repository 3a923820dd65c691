#include "core/search/condition/condition_check.h"

#include <algorithm>
#include <functional>

#include "core/search/condition/condition_bounds.h"
#include "core/text/sjis.h"

namespace vk {

namespace {

UserMessage message(const char* captionUtf8, const char* textUtf8) {
    return UserMessage{utf8ToSjis(captionUtf8), utf8ToSjis(textUtf8)};
}

// The skill system an activation tests; 0 when the table has no such row.
int systemOf(const Catalogue& cat, int skillEq) {
    if (skillEq < 0 || skillEq >= static_cast<int>(cat.skillEqs.size())) return 0;
    return cat.skillEqs[skillEq].system;
}

}  // namespace

std::array<int, 5> skillBoxValues(const Catalogue& cat, const std::array<int, 5>& skillBoxes) {
    std::array<int, 5> values{};
    const int rows = static_cast<int>(cat.skillEqs.size());
    for (int i = 0; i < 5; ++i) values[i] = (skillBoxes[i] > 0 && skillBoxes[i] < rows) ? skillBoxes[i] : 0;
    return values;
}

std::array<int, 5> sortedWanted(const Catalogue& cat, const std::array<int, 5>& skillBoxes) {
    std::array<int, 5> values = skillBoxValues(cat, skillBoxes);
    std::stable_sort(values.begin(), values.end(), std::greater<int>());
    return values;
}

std::optional<UserMessage> checkSearchRequest(const Catalogue& cat, bool startupError,
                                              const std::array<int, 5>& skillBoxes) {
    // A data file that opened but has no rows leaves a table without its
    // no-entry row, which every search reads: refused like a file that failed.
    if (startupError || !catalogueRangeError(cat).empty())
        return message("エラー", "起動時にエラーが発生したため利用できません。");

    const std::array<int, 5> wanted = sortedWanted(cat, skillBoxes);
    std::array<int, 5> systems{};
    for (int i = 0; i < 5; ++i) systems[i] = systemOf(cat, wanted[i]);

    if (std::none_of(wanted.begin(), wanted.end(), [](int w) { return w > 0; }))
        return message("CAUTION", "スキルを選択してください");

    // Every position takes part, empty boxes included with the system of
    // activation row 0.
    for (int i = 0; i < 5; ++i)
        for (int k = i + 1; k < 5; ++k)
            if (systems[i] != 0 && systems[i] == systems[k])
                return message("CAUTION", "同系統のスキルは複数選択できません");
    return std::nullopt;
}

}  // namespace vk
