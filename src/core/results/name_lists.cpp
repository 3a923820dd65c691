#include "core/results/name_lists.h"

#include <unordered_set>

namespace vk {

namespace {
// Appends `value` unless it was seen before; keeps first-occurrence order.
void addDistinct(std::vector<int>& list, std::unordered_set<int>& seen, int value) {
    if (seen.insert(value).second) list.push_back(value);
}
}  // namespace

NameLists collectNameLists(const ResultStore& hits) {
    NameLists lists;
    std::array<std::unordered_set<int>, kDecoParts> seen;
    for (const Result& hit : hits) {
        for (int p = 0; p < kArmourParts; ++p) addDistinct(lists[p], seen[p], hit.Index[p]);
        for (int p = 0; p < kDecoParts; ++p)
            for (int s = 0; s < kSlotsPerPart; ++s)
                addDistinct(lists[kDecoParts - 1], seen[kDecoParts - 1], hit.Decos.DecoIndex[p][s]);
    }
    return lists;
}

}  // namespace vk
