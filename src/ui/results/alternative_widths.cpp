#include "ui/results/alternative_widths.h"

#include <algorithm>

#include <QFontMetrics>

#include "core/results/shown_set.h"
#include "ui/widgets/qt_text.h"

namespace vk {

AlternativeWidths::AlternativeWidths(const Catalogue& catalogue, const QFontMetrics& metrics) {
    for (int part = 0; part < kArmourParts; ++part)
        for (const Equip& piece : catalogue.equip[part]) pieces_[part].push_back(metrics.horizontalAdvance(fromSjis(piece.name)));
    for (const Deco& deco : catalogue.decos) decos_.push_back(metrics.horizontalAdvance(fromSjis(deco.name + ' ')));
}

AlternativeWidths::Widest AlternativeWidths::widest(const HitNarrowing& narrowing, int part) const {
    const auto widthOf = [](const std::vector<int>& widths, int index) {
        return index >= 0 && static_cast<std::size_t>(index) < widths.size() ? widths[index] : 0;
    };
    Widest widest;
    for (int row = 0; row < narrowing.rowCount(part); ++row) {
        const EquipDeco& alternative = narrowing.alternative(part, row);
        int decorations = 0;
        for (int deco : alternative.decos) decorations += deco > 0 ? widthOf(decos_, deco) : 0;
        // The weapon's row without decorations shows the name of no decoration.
        if (part == Weapon && decorations == 0) decorations = widthOf(decos_, 0);
        widest.decorations = std::max(widest.decorations, decorations);
        if (part < kArmourParts) widest.name = std::max(widest.name, widthOf(pieces_[part], alternative.piece));
    }
    return widest;
}

}  // namespace vk
