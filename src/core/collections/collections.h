#pragma once
// Everything config.csv keeps: the exclusions, the my sets and the owned
// pieces.

#include "core/catalogue/catalogue.h"
#include "core/collections/except_flags.h"
#include "core/collections/myset.h"
#include "core/collections/possession.h"

namespace vk {

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

    int possessionCount() const {
        int n = 0;
        for (const auto& part : possessions) n += static_cast<int>(part.size());
        return n;
    }
};

}  // namespace vk
