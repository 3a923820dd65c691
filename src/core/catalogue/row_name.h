#pragma once

#include <string>

namespace vk {

// Name of row `row` of a table, or an empty name for a row the table lacks
// (the stored index is still written, so nothing is lost).
template <class Table>
const std::string& rowNameOf(const Table& table, int row) {
    static const std::string kNone;
    if (row < 0 || row >= static_cast<int>(table.size())) return kNone;
    return table[row].name;
}

}  // namespace vk
