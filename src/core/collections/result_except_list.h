#pragma once
// The exclusions stored with a saved search, as the read-only window
// "除外設定確認" lists them: per part choice the excluded rows with their rarity.

#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/except_flags.h"

namespace vk {

// ResultPartRG's items: "頭", "胴", "手", "腰", "脚", "装飾".
constexpr int kResultExceptPartItems = 6;

struct ResultExceptRow {
    std::string name;  // Shift-JIS
    int rarity = 0;
};

// Every row of the chosen table whose flag is set, in table order.
std::vector<ResultExceptRow> resultExceptRows(const Catalogue& catalogue, const ExceptFlags& exclusions,
                                              int partItem);

}  // namespace vk
