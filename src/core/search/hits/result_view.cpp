#include "core/search/hits/result_view.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/text/whole_number.h"

namespace vk {

namespace {

// The three keys, in column order after the number.
int keyOf(const Result& r, int column) {
    switch (column) {
    case kColumnDefence: return r.Defence;
    case kColumnSlot: return r.Slot;
    case kColumnPossessed: return r.Possessed;
    default: return r.No;
    }
}

}  // namespace

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
    byNumber_.clear();
    for (auto& order : order_) order.clear();
    resetSort();
}

void ResultView::assign(std::deque<Result> numbered) {
    byNumber_ = std::move(numbered);
    std::vector<int> keys(byNumber_.size());
    for (int column = kColumnDefence; column < kResultColumns; ++column) {
        auto& order = order_[column];
        order.resize(byNumber_.size());
        for (std::size_t i = 0; i < byNumber_.size(); ++i) {
            keys[i] = keyOf(byNumber_[i], column);
            order[i] = static_cast<std::uint32_t>(i);
        }
        // Stable: equal keys keep search order, so every run shows the same rows.
        std::stable_sort(order.begin(), order.end(),
                         [&keys](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
    }
}

const Result& ResultView::sortedEntry(int column, std::size_t i) const {
    if (column <= kColumnNo || column >= kResultColumns) return byNumber_[i];
    return byNumber_[order_[column][i]];
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

const Result* ResultView::hitAtRow(std::size_t row) const {
    if (row >= count()) return nullptr;
    return &sortedEntry(sortColumn_, sortDescending_ ? count() - 1 - row : row);
}

ResultRowTexts ResultView::rowTexts(std::size_t row) const {
    const Result* r = hitAtRow(row);
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

ResultStore ResultView::unnumbered() const {
    ResultStore store;
    for (Result hit : byNumber_) {
        hit.No = hit.Defence = hit.Slot = hit.Possessed = 0;
        store.push_back(hit);
    }
    return store;
}

const Result* ResultView::hitByNo(int no) const {
    if (no < 1 || static_cast<std::size_t>(no) > count()) return nullptr;
    return &byNumber_[static_cast<std::size_t>(no) - 1];
}

const Result* ResultView::hitByCaption(std::string_view caption) const {
    const auto no = parseWholeNumber(caption);
    return no ? hitByNo(*no) : nullptr;
}

void BuildResultView(ResultView& view, const ResultStore& store, const Catalogue& catalogue,
                     const PossessionLists& possessions) {
    std::deque<Result> numbered(store.begin(), store.end());
    int counter = 0;
    for (Result& r : numbered) numberHit(r, ++counter, catalogue, possessions);
    view.assign(std::move(numbered));
}

}  // namespace vk
