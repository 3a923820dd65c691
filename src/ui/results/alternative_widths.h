#pragma once
// How wide the detail window's alternative lists must make their name and
// decoration columns to show every row whole. Each piece and decoration name
// is measured once; a row's width is then a sum of those, so a fill of
// thousands of rows measures no text.

#include <array>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/results/hit_narrowing.h"

class QFontMetrics;

namespace vk {

class AlternativeWidths {
public:
    AlternativeWidths(const Catalogue& catalogue, const QFontMetrics& metrics);

    struct Widest {
        int name = 0;         // "名称" (armour parts)
        int decorations = 0;  // "装飾品"
    };
    // The widest texts of `part`'s rows, in pixels, without cell margins.
    Widest widest(const HitNarrowing& narrowing, int part) const;

private:
    std::array<std::vector<int>, kArmourParts> pieces_;
    std::vector<int> decos_;  // each name with the blank that follows it
};

}  // namespace vk
