#pragma once
// Pieces and decorations the user excluded from every search: one flag per
// catalogue row.

#include <array>
#include <cstdint>
#include <vector>

#include "core/catalogue/catalogue.h"

namespace vk {

struct ExceptFlags {
    std::array<std::vector<std::uint8_t>, kArmourParts> equip;
    std::vector<std::uint8_t> deco;

    // All clear, sized to the catalogue's tables.
    static ExceptFlags sizedFor(const Catalogue& cat) {
        ExceptFlags f;
        for (int p = 0; p < kArmourParts; ++p) f.equip[p].assign(cat.equip[p].size(), 0);
        f.deco.assign(cat.decos.size(), 0);
        return f;
    }

    bool equipExcluded(int part, int row) const {
        return row >= 0 && row < static_cast<int>(equip[part].size()) && equip[part][row] != 0;
    }
    bool decoExcluded(int row) const {
        return row >= 0 && row < static_cast<int>(deco.size()) && deco[row] != 0;
    }
};

}  // namespace vk
