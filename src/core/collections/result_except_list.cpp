#include "core/collections/result_except_list.h"

namespace vk {

std::vector<ResultExceptRow> resultExceptRows(const Catalogue& catalogue, const ExceptFlags& exclusions,
                                              int partItem) {
    static constexpr int kPartOfItem[kResultExceptPartItems] = {Head, Body, Arm, Wst, Leg, -1};
    std::vector<ResultExceptRow> rows;
    if (partItem < 0 || partItem >= kResultExceptPartItems) return rows;
    const int part = kPartOfItem[partItem];
    if (part < 0) {
        for (std::size_t i = 0; i < catalogue.decos.size() && i < exclusions.deco.size(); ++i)
            if (exclusions.deco[i]) rows.push_back({catalogue.decos[i].name, catalogue.decos[i].rarity});
        return rows;
    }
    const auto& table = catalogue.equip[part];
    for (std::size_t i = 0; i < table.size() && i < exclusions.equip[part].size(); ++i)
        if (exclusions.equip[part][i]) rows.push_back({table[i].name, table[i].rarity});
    return rows;
}

}  // namespace vk
