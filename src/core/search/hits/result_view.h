#pragma once
// The window's copy of the hits of one search: the list in search order and
// three orderings of it by defence, slots and possession, plus the column and
// direction the list is shown in. The list is virtual, so every row question
// (text, hit, find) is answered here in constant time. The orderings hold
// positions in the search-order list rather than copies of whole records:
// with 100000 hits that saves three large copies and most of the build time.

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/collections/possession.h"
#include "core/search/hits/result_store.h"

namespace vk {

// Columns of the hit list; each but the first has its own ordering.
enum ResultColumn : int { kColumnNo = 0, kColumnDefence = 1, kColumnSlot = 2, kColumnPossessed = 3 };
constexpr int kResultColumns = 4;

// Texts of one row: caption ("no"), then 防御, スロット, 所持数.
using ResultRowTexts = std::array<std::string, kResultColumns>;

class ResultView {
public:
    // Empties the hits and shows column 0 ascending (a search starts).
    void clear();

    // Takes hits that are already numbered and summed (a loaded result file)
    // and makes the three orderings. The sort state is left as it is.
    void assign(std::deque<Result> numbered);

    std::size_t count() const { return byNumber_.size(); }

    // The list in search order: the hit numbered k is entry k - 1.
    const std::deque<Result>& byNumber() const { return byNumber_; }
    // The hits as the search stored them (no number, no sums), for saving.
    ResultStore unnumbered() const;
    // Entry `i` of the list ordered ascending by `column` (kColumnNo ..
    // kColumnPossessed); equal keys keep search order. i < count().
    const Result& sortedEntry(int column, std::size_t i) const;

    int SortColumn() const { return sortColumn_; }
    bool SortDescending() const { return sortDescending_; }
    void resetSort();
    // A click on a column header: the shown column flips its direction, any
    // other column becomes the shown one, ascending. Out-of-range c is ignored.
    void clickColumn(int c);

    // The hit shown in `row` under the current order; null beyond the count.
    const Result* hitAtRow(std::size_t row) const;
    // Row texts in decimal; all empty beyond the count.
    ResultRowTexts rowTexts(std::size_t row) const;
    // The row of the hit whose number is the typed text; only while the list
    // is ordered by number.
    std::optional<std::size_t> findRow(std::string_view typed) const;

    // The hit numbered `no` (1-based); null when there is none.
    const Result* hitByNo(int no) const;
    // The hit whose list caption is `caption` (its number in decimal).
    const Result* hitByCaption(std::string_view caption) const;

private:
    std::deque<Result> byNumber_;
    // Per column, positions in byNumber_ in ascending key order; entry 0
    // (the number column) stays empty: that order is byNumber_ itself.
    std::array<std::vector<std::uint32_t>, kResultColumns> order_;
    int sortColumn_ = kColumnNo;
    bool sortDescending_ = false;
};

// Gives hit `r` its number and sums its pieces' defence and slots and how
// many of them are owned; a piece row outside its table adds nothing.
void numberHit(Result& r, int no, const Catalogue& catalogue, const PossessionLists& possessions);

// Copies the store into the view, numbers the hits from 1 in search order,
// sums each hit's defence and slots, counts its parts that are owned, and
// makes the three orderings. The sort state is left as it is.
void BuildResultView(ResultView& view, const ResultStore& store, const Catalogue& catalogue,
                     const PossessionLists& possessions);

}  // namespace vk
