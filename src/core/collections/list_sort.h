#pragma once
// Sorting a list by a clicked column header: the first click on a column
// sorts it ascending, a further click on the column last sorted reverses the
// order, a click on another column sorts that one ascending. Rows that
// compare equal keep their order.

#include <algorithm>
#include <vector>

namespace vk {

struct ListSort {
    int column = -1;  // -1: not sorted since the last reset
    bool descending = false;

    // The header of `clicked` was clicked.
    void click(int clicked) {
        descending = clicked == column ? !descending : false;
        column = clicked;
    }
    void reset() { *this = ListSort{}; }

    bool operator==(const ListSort&) const = default;
};

// Sorts `rows` stably by `compare(a, b)` (<0, 0, >0), the operands swapped
// when `sort` is descending.
template <class Row, class Compare>
void sortRows(std::vector<Row>& rows, const ListSort& sort, Compare compare) {
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        return sort.descending ? compare(b, a) < 0 : compare(a, b) < 0;
    });
}

}  // namespace vk
