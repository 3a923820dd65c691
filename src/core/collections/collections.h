#pragma once
// Everything config.csv keeps: the exclusions, the my sets and the owned
// pieces.

#include <cstddef>

#include "core/catalogue/catalogue.h"
#include "core/collections/myset.h"
#include "core/search/condition/except_flags.h"
#include "core/search/condition/possession.h"

namespace vk {

// The most my sets, and the most owned pieces of all parts together, a file
// keeps and the window takes; more would only fill the memory.
inline constexpr std::size_t kMaxMysets = 65535;
inline constexpr std::size_t kMaxPossessions = 65535;

struct Collections {
    ExceptFlags exclusions;
    MysetList mysets;
    PossessionLists possessions;

    // Empty collections for `catalogue` (exclusion flags sized, all clear).
    static Collections emptyFor(const Catalogue& catalogue) {
        Collections c;
        c.exclusions = ExceptFlags::sizedFor(catalogue);
        return c;
    }

    int possessionCount() const { return possessionTotal(possessions); }

    static int possessionTotal(const PossessionLists& lists) {
        int n = 0;
        for (const auto& part : lists) n += static_cast<int>(part.size());
        return n;
    }
};

}  // namespace vk
