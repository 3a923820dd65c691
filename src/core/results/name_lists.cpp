#include "core/results/name_lists.h"

#include <future>
#include <thread>
#include <unordered_set>

namespace vk {

namespace {

// The distinct values of one list in order of first occurrence. Rows of
// real tables are small: those are looked up in a flag table, anything else
// in a hash set.
class DistinctRows {
public:
    void add(std::vector<int>& list, int row) {
        if (row >= 0 && row < kDense) {
            if (dense_.empty()) dense_.resize(kDense);
            if (dense_[static_cast<std::size_t>(row)]) return;
            dense_[static_cast<std::size_t>(row)] = 1;
        } else if (!sparse_.insert(row).second) {
            return;
        }
        list.push_back(row);
    }

private:
    static constexpr int kDense = 1 << 16;
    std::vector<unsigned char> dense_;
    std::unordered_set<int> sparse_;
};

// The lists of hits [begin, end), with what they have seen.
struct Collected {
    NameLists lists;
    std::array<DistinctRows, kDecoParts> seen;

    void addHits(const ResultStore& hits, std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            const ResultStore::StoredRows rows = hits.storedRows(i);
            for (int p = 0; p < kArmourParts; ++p) seen[p].add(lists[p], rows.pieces[p]);
            for (int row : rows.decos) seen[kDecoParts - 1].add(lists[kDecoParts - 1], row);
        }
    }
};

// Below this many hits one thread is quicker than two.
constexpr std::size_t kSplitFrom = 1u << 16;

}  // namespace

NameLists collectNameLists(const ResultStore& hits) {
    Collected first;
    if (hits.size() < kSplitFrom || std::thread::hardware_concurrency() < 2) {
        first.addHits(hits, 0, hits.size());
        return std::move(first.lists);
    }
    // The second half is collected on another thread; its rows that the
    // first half lacks follow the first half's, in the order they were met.
    const std::size_t half = hits.size() / 2;
    std::future<Collected> second = std::async(std::launch::async, [&hits, half] {
        Collected later;
        later.addHits(hits, half, hits.size());
        return later;
    });
    first.addHits(hits, 0, half);
    const Collected later = second.get();
    for (int p = 0; p < kDecoParts; ++p)
        for (int row : later.lists[p]) first.seen[p].add(first.lists[p], row);
    return std::move(first.lists);
}

}  // namespace vk
