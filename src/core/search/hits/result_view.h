#pragma once
// The window's hits of one search: the packed hits in search order with
// their sums (about 60 bytes a hit), three orderings of them by defence,
// slots and possession, and the column and direction the list is shown in.
// The list is virtual, so every row question (text, hit, find) is answered
// here in constant time; a hit is unpacked when it is asked for. The
// orderings hold positions in search order rather than copies of records.

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/possession.h"
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

    // Takes hits that are already numbered (from 1, in order) and summed (a
    // loaded result file) and makes the three orderings. The sort state is
    // left as it is.
    void assign(const std::deque<Result>& numbered);

    std::size_t count() const { return hits_.size(); }

    // The hits as the search stored them (no number, no sums), in search
    // order, for saving.
    const ResultStore& unnumbered() const { return hits_; }
    // Every hit numbered and summed, in search order, for the detail window.
    std::deque<Result> numbered() const;
    // Entry `i` of the list ordered ascending by `column` (kColumnNo ..
    // kColumnPossessed); equal keys keep search order. i < count().
    Result sortedEntry(int column, std::size_t i) const;

    int SortColumn() const { return sortColumn_; }
    bool SortDescending() const { return sortDescending_; }
    void resetSort();
    // A click on a column header: the shown column flips its direction, any
    // other column becomes the shown one, ascending. Out-of-range c is ignored.
    void clickColumn(int c);

    // The hit shown in `row` under the current order; none beyond the count.
    std::optional<Result> hitAtRow(std::size_t row) const;
    // Row texts in decimal; all empty beyond the count.
    ResultRowTexts rowTexts(std::size_t row) const;
    // The row of the hit whose number is the typed text; only while the list
    // is ordered by number.
    std::optional<std::size_t> findRow(std::string_view typed) const;

    // The hit numbered `no` (1-based); none when there is none.
    std::optional<Result> hitByNo(int no) const;
    // The hit whose list caption is `caption` (its number in decimal).
    std::optional<Result> hitByCaption(std::string_view caption) const;

private:
    friend void BuildResultView(ResultView& view, ResultStore store, const Catalogue& catalogue,
                                const PossessionLists& possessions);

    // What numbering adds to a stored hit.
    struct Sums {
        std::int32_t defence = 0;
        std::int16_t slot = 0;
        std::int16_t possessed = 0;
    };
    Result entry(std::size_t i) const;  // hit i of search order, numbered and summed
    // The three orderings, from the sums.
    void order();

    ResultStore hits_;  // search order, as stored: 52 bytes a hit
    std::vector<Sums> sums_;
    // Per column, positions in search order in ascending key order; entry 0
    // (the number column) stays empty: that order is search order itself.
    std::array<std::vector<std::uint32_t>, kResultColumns> order_;
    int sortColumn_ = kColumnNo;
    bool sortDescending_ = false;
};

// Gives hit `r` its number and sums its pieces' defence and slots and how
// many of them are owned; a piece row outside its table adds nothing.
void numberHit(Result& r, int no, const Catalogue& catalogue, const PossessionLists& possessions);

// Takes the store into the view (moved, not copied), numbers the hits from
// 1 in search order, sums each hit's defence and slots, counts its parts that
// are owned, and makes the three orderings. The sort state is left as it is.
void BuildResultView(ResultView& view, ResultStore store, const Catalogue& catalogue,
                     const PossessionLists& possessions);

}  // namespace vk
