#include "core/results/exclusion_records.h"

#include <algorithm>

#include "core/catalogue/row_name.h"
#include "core/files/csv_line.h"

namespace vk {

void appendExclusionRecords(std::string& out, const Catalogue& catalogue, const ExceptFlags& flags) {
    for (int p = 0; p < kArmourParts; ++p)
        for (std::size_t row = 0; row < flags.equip[p].size(); ++row)
            if (flags.equip[p][row]) {
                const int index = static_cast<int>(row);
                CsvLine(out).field("EE").field(p).field(rowNameOf(catalogue.equip[p], index)).field(index).end();
            }
    for (std::size_t row = 0; row < flags.deco.size(); ++row)
        if (flags.deco[row]) {
            const int index = static_cast<int>(row);
            CsvLine(out).field("ED").field(rowNameOf(catalogue.decos, index)).field(index).end();
        }
}

int excludedPieceCount(const ExceptFlags& flags) {
    int count = 0;
    for (const auto& part : flags.equip)
        count += static_cast<int>(std::count_if(part.begin(), part.end(), [](std::uint8_t f) { return f != 0; }));
    return count;
}

int excludedDecoCount(const ExceptFlags& flags) {
    return static_cast<int>(std::count_if(flags.deco.begin(), flags.deco.end(), [](std::uint8_t f) { return f != 0; }));
}

}  // namespace vk
