#include "core/search/addable/combination_check.h"

#include "core/search/reference/deco_fitting.h"

namespace vk {

CombinationCheck::CombinationCheck(const Catalogue& cat, const SearchCondition& cond, const SearchSnapshot& snapshot,
                                   SearchControl& control)
    : cat_(cat), cond_(cond), wanted_(wantedSkills(cat, cond)), lists_(buildCandidates(cat, cond, snapshot)) {
    for (int p = 0; p < kArmourParts; ++p) {
        listed_[p].assign(cat.equip[p].size(), false);
        for (int row : lists_.parts[p]) listed_[p][row] = true;
    }
    if (cond.useDecorations)
        decoSearch_ = std::make_unique<FastDecorationSearch>(cat, cond_, wanted_, snapshot.exclusions, lists_.decos,
                                                             control);
}

bool CombinationCheck::accepts(const Pieces& pieces) {
    long long defence = 0;
    for (int p = 0; p < kArmourParts; ++p) {
        if (pieces[p] < 0 || pieces[p] >= static_cast<int>(listed_[p].size()) || !listed_[p][pieces[p]]) return false;
        defence += cat_.equip[p][pieces[p]].defence;
    }
    if (defence < cond_.minDefence) return false;
    const ArmourEval ev = evaluateArmour(cat_, wanted_, cond_, pieces);
    if (ev.success) return true;
    if (!decoSearch_ || !estimateFeasible(cat_, wanted_, ev, pieces, cond_.weaponSlots)) return false;
    std::array<int, kArmourParts> slots{};
    for (int p = 0; p < kArmourParts; ++p) slots[p] = cat_.equip[p][pieces[p]].slots;
    DecoSet best;
    return decoSearch_->search(slots, ev, best);
}

}  // namespace vk
