#include "core/search/condition/condition_gather.h"

#include "core/search/condition/condition_check.h"
#include "core/text/whole_number.h"

namespace vk {

int conditionNumber(std::string_view text, int fallback) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') return fallback;  // one sign at most
    }
    return parseWholeNumber(digits).value_or(fallback);
}

int hitLimitOf(std::string_view text) { return conditionNumber(text, kDefaultHitLimit); }

int minDefenceOf(std::string_view text) { return conditionNumber(text, kDefaultMinDefence); }

DecoSet decorationsOfFixedParts(const DecoSet& all, const std::array<bool, kArmourParts>& fixed) {
    DecoSet out;
    for (int p = 0; p < kArmourParts; ++p) {
        if (!fixed[p]) continue;
        for (int s = 0; s < kSlotsPerPart; ++s) {
            out.SlotUsed[p][s] = all.SlotUsed[p][s];
            out.DecoIndex[p][s] = all.DecoIndex[p][s];
        }
        out.SlotsUsed[p] = all.SlotsUsed[p];
        out.DecoCount[p] = all.DecoCount[p];
        out.DecoTotal += all.DecoCount[p];
    }
    return out;
}

GatheredCondition gatherCondition(const Catalogue& cat, const ConditionForm& form) {
    SearchCondition c;  // every field set below
    c.sex = form.sexItem + 1;
    c.rarityLimit = form.rareItem;
    c.type = form.typeItem + 1;
    c.wanted = sortedWanted(cat, form.skillBoxes);
    c.wantedCount = 0;
    for (int w : c.wanted)
        if (w > 0) ++c.wantedCount;
    c.useDecorations = form.isDecoration;
    c.weaponSlots = form.weponItem;
    c.possessions = form.isPossession;
    c.fixDecorations = form.fixDeco;
    c.HitLimit = hitLimitOf(form.hitLimitText);
    c.Priority = form.priorityItem;
    c.threeSlotPieces = form.threeSlotPieces;
    c.allPieces = form.allEquip;
    c.Interrupted = false;
    c.allFixedDecos = form.fixEquip.decos;

    for (int p = 0; p < kArmourParts; ++p) {
        c.fixed[p] = form.fixedChecks[p];
        c.fixedPiece[p] = form.fixEquip.piece[p];
    }
    c.fixedDecos = decorationsOfFixedParts(form.fixEquip.decos, c.fixed);
    c.minDefence = minDefenceOf(form.defText);

    GatheredCondition out{c, c};
    out.window.wanted = skillBoxValues(cat, form.skillBoxes);
    return out;
}

}  // namespace vk
