#include "core/results/row_colours.h"

#include "core/text/whole_number.h"

namespace vk {

std::optional<WinColour> skillRowColour(std::string_view totalText) {
    const int total = parseWholeNumber(totalText).value_or(0);
    if (total >= 10) return kLightGreen;
    if (total <= -10) return kLightRed;
    return std::nullopt;
}

std::optional<WinColour> equipRowColour(int row, const Result* selectedHit, const PossessionLists& possessions) {
    if (!selectedHit || row < 0 || row >= kArmourParts) return std::nullopt;
    const int part = kDisplayOrder[row];
    if (isPossessed(possessions, part, selectedHit->Index[part])) return kLightBlue;
    return std::nullopt;
}

std::optional<WinColour> skillComboMarker(const Catalogue& catalogue, int item) {
    if (item < 0 || static_cast<std::size_t>(item) >= catalogue.skillEqs.size()) return std::nullopt;
    if (item == 0) return kBlack;
    const int kind = catalogue.skillEqs[item].kind;
    if (isPositiveKind(kind)) return kLightGreen;
    if (isNegativeKind(kind)) return kLightRed;
    return std::nullopt;
}

}  // namespace vk
