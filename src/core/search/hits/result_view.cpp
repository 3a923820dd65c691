#include "core/search/hits/result_view.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/text/whole_number.h"

namespace vk {

void numberHit(Result& r, int no, const Catalogue& catalogue, const PossessionLists& possessions) {
    r.No = no;
    r.Defence = 0;
    r.Slot = 0;
    r.Possessed = 0;
    for (int part = 0; part < kArmourParts; ++part) {
        const int row = r.Index[part];
        const auto& table = catalogue.equip[part];
        if (row >= 0 && static_cast<std::size_t>(row) < table.size()) {
            r.Defence += table[row].defence;
            r.Slot += table[row].slots;
        }
        // isPossessed stops at the first match, so a piece listed twice counts once.
        if (isPossessed(possessions, part, row)) ++r.Possessed;
    }
}

void ResultView::clear() {
    hits_.clear();
    sums_.clear();
    for (auto& order : order_) order.clear();
    resetSort();
}

void ResultView::assign(const std::deque<Result>& numbered) {
    hits_.clear();
    sums_.clear();
    sums_.reserve(numbered.size());
    for (Result hit : numbered) {
        sums_.push_back(Sums{hit.Defence, static_cast<std::int16_t>(hit.Slot), static_cast<std::int16_t>(hit.Possessed)});
        hit.No = hit.Defence = hit.Slot = hit.Possessed = 0;
        hits_.push_back(hit);
    }
    order();
}

namespace {

// A key span up to this many values is counted: a count per value costs
// less than a merge sort's passes once the span is no wider than the hits.
constexpr std::int64_t kCountedSpan = 1 << 20;

// order = 0..n-1 by ascending keys[i]; equal keys keep ascending i (a
// stable sort). Sums of a few pieces span few values, so they are counted
// (two passes, one place per position); a wider span is merge sorted.
void orderByKeys(const std::vector<std::int32_t>& keys, std::vector<std::uint32_t>& order) {
    const std::size_t n = keys.size();
    order.resize(n);
    if (n == 0) return;
    const auto [lo, hi] = std::minmax_element(keys.begin(), keys.end());
    const std::int64_t span = std::int64_t{*hi} - *lo + 1;
    if (span > kCountedSpan || span > static_cast<std::int64_t>(n) * 4) {
        for (std::size_t i = 0; i < n; ++i) order[i] = static_cast<std::uint32_t>(i);
        std::stable_sort(order.begin(), order.end(),
                         [&keys](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
        return;
    }
    const std::int32_t base = *lo;
    std::vector<std::uint32_t> start(static_cast<std::size_t>(span) + 1, 0);
    for (std::int32_t key : keys) ++start[static_cast<std::size_t>(key - base) + 1];
    for (std::size_t k = 1; k < start.size(); ++k) start[k] += start[k - 1];
    for (std::size_t i = 0; i < n; ++i)
        order[start[static_cast<std::size_t>(keys[i] - base)]++] = static_cast<std::uint32_t>(i);
}

}  // namespace

void ResultView::order() {
    std::vector<std::int32_t> keys(sums_.size());
    for (int column = kColumnDefence; column < kResultColumns; ++column) {
        for (std::size_t i = 0; i < sums_.size(); ++i) {
            const Sums& s = sums_[i];
            keys[i] = column == kColumnDefence ? s.defence : column == kColumnSlot ? s.slot : s.possessed;
        }
        // Stable: equal keys keep search order, so every run shows the same rows.
        orderByKeys(keys, order_[column]);
    }
}

Result ResultView::entry(std::size_t i) const {
    Result hit = hits_[i];
    hit.No = static_cast<std::int32_t>(i + 1);
    hit.Defence = sums_[i].defence;
    hit.Slot = sums_[i].slot;
    hit.Possessed = sums_[i].possessed;
    return hit;
}

std::deque<Result> ResultView::numbered() const {
    std::deque<Result> hits;
    for (std::size_t i = 0; i < count(); ++i) hits.push_back(entry(i));
    return hits;
}

Result ResultView::sortedEntry(int column, std::size_t i) const {
    if (column <= kColumnNo || column >= kResultColumns) return entry(i);
    return entry(order_[column][i]);
}

void ResultView::resetSort() {
    sortColumn_ = kColumnNo;
    sortDescending_ = false;
}

void ResultView::clickColumn(int c) {
    if (c < 0 || c >= kResultColumns) return;
    if (c == sortColumn_) {
        sortDescending_ = !sortDescending_;
    } else {
        sortDescending_ = false;
        sortColumn_ = c;
    }
}

std::optional<Result> ResultView::hitAtRow(std::size_t row) const {
    if (row >= count()) return std::nullopt;
    return sortedEntry(sortColumn_, sortDescending_ ? count() - 1 - row : row);
}

ResultRowTexts ResultView::rowTexts(std::size_t row) const {
    const std::optional<Result> r = hitAtRow(row);
    if (!r) return {};
    return {std::to_string(r->No), std::to_string(r->Defence), std::to_string(r->Slot),
            std::to_string(r->Possessed)};
}

std::optional<std::size_t> ResultView::findRow(std::string_view typed) const {
    if (sortColumn_ != kColumnNo) return std::nullopt;
    const auto k = parseWholeNumber(typed);
    if (!k || *k < 1 || static_cast<std::size_t>(*k) > count()) return std::nullopt;
    const auto n = static_cast<std::size_t>(*k);
    return sortDescending_ ? count() - n : n - 1;
}

std::optional<Result> ResultView::hitByNo(int no) const {
    if (no < 1 || static_cast<std::size_t>(no) > count()) return std::nullopt;
    return entry(static_cast<std::size_t>(no) - 1);
}

std::optional<Result> ResultView::hitByCaption(std::string_view caption) const {
    const auto no = parseWholeNumber(caption);
    return no ? hitByNo(*no) : std::nullopt;
}

void BuildResultView(ResultView& view, ResultStore store, const Catalogue& catalogue,
                     const PossessionLists& possessions) {
    view.hits_ = std::move(store);
    view.sums_.clear();
    view.sums_.reserve(view.hits_.size());
    for (std::size_t i = 0; i < view.hits_.size(); ++i) {
        Result hit = view.hits_[i];
        numberHit(hit, static_cast<int>(i + 1), catalogue, possessions);
        view.sums_.push_back(ResultView::Sums{hit.Defence, static_cast<std::int16_t>(hit.Slot),
                                              static_cast<std::int16_t>(hit.Possessed)});
    }
    view.order();
}

}  // namespace vk
