#include "core/results/name_lists.h"

#include <unordered_set>

namespace vk {

namespace {

// The distinct values of one list in order of first occurrence. Rows of
// real tables are small: those are looked up in a flag table, anything else
// in a hash set.
class DistinctRows {
public:
    explicit DistinctRows(std::vector<int>& list) : list_(list) {}
    void add(int row) {
        if (row >= 0 && row < kDense) {
            if (dense_.empty()) dense_.resize(kDense);
            if (dense_[static_cast<std::size_t>(row)]) return;
            dense_[static_cast<std::size_t>(row)] = 1;
        } else if (!sparse_.insert(row).second) {
            return;
        }
        list_.push_back(row);
    }

private:
    static constexpr int kDense = 1 << 16;
    std::vector<int>& list_;
    std::vector<unsigned char> dense_;
    std::unordered_set<int> sparse_;
};

}  // namespace

NameLists collectNameLists(const ResultStore& hits) {
    NameLists lists;
    std::vector<DistinctRows> distinct(lists.begin(), lists.end());
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const ResultStore::StoredRows rows = hits.storedRows(i);
        for (int p = 0; p < kArmourParts; ++p) distinct[p].add(rows.pieces[p]);
        for (int row : rows.decos) distinct[kDecoParts - 1].add(row);
    }
    return lists;
}

}  // namespace vk
