#include "core/search/engine/candidate_lists.h"

#include <algorithm>

#include "core/search/condition/wanted_skills.h"

namespace vk {

namespace {

bool contains(const std::vector<int>& list, int row) { return std::find(list.begin(), list.end(), row) != list.end(); }

// Appends a piece of a non-fixed part that is new to the list, fits the
// wearer and is not excluded.
void offerPiece(const Catalogue& cat, const SearchCondition& cond, const SearchSnapshot& snapshot, int part, int row,
                std::vector<int>& list) {
    if (row < 0 || row >= static_cast<int>(cat.equip[part].size())) return;  // names no piece
    if (contains(list, row) || !pieceFits(cat.equip[part][row], cond)) return;
    if (snapshot.exclusions.equipExcluded(part, row)) return;
    list.push_back(row);
}

void addDecorations(const Catalogue& cat, const SearchCondition& cond, const SearchSnapshot& snapshot,
                    std::vector<int>& decos) {
    for (int j = 0; j < kWantedSlots; ++j) {
        if (cond.wanted[j] <= 0) continue;
        const SkillEq& eq = cat.skillEqs[cond.wanted[j]];
        for (int d : listForKind(cat.decoSkillIndex[eq.system], eq.kind)) {
            if (d < 0 || d >= static_cast<int>(cat.decos.size()) || contains(decos, d)) continue;
            if (cond.rarityLimit != 0 && cat.decos[d].rarity > cond.rarityLimit) continue;
            if (snapshot.exclusions.decoExcluded(d)) continue;
            decos.push_back(d);
        }
    }
}

void addSkillPieces(const Catalogue& cat, const SearchCondition& cond, const SearchSnapshot& snapshot,
                    CandidateLists& lists) {
    for (int j = 0; j < kWantedSlots; ++j) {
        if (cond.wanted[j] <= 0) continue;
        const SkillEq& eq = cat.skillEqs[cond.wanted[j]];
        for (int p = 0; p < kArmourParts; ++p) {
            if (cond.fixed[p]) continue;
            for (int row : listForKind(cat.skillIndex[p][eq.system], eq.kind))
                offerPiece(cat, cond, snapshot, p, row, lists.parts[p]);
        }
    }
}

}  // namespace

bool pieceFits(const Equip& piece, const SearchCondition& cond) {
    return codeFits(piece.sex, cond.sex) && codeFits(piece.type, cond.type) &&
           (cond.rarityLimit == 0 || piece.rarity <= cond.rarityLimit);
}

CandidateLists buildCandidates(const Catalogue& cat, const SearchCondition& cond, const SearchSnapshot& snapshot) {
    CandidateLists lists;
    for (int p = 0; p < kArmourParts; ++p) lists.parts[p] = {cond.fixed[p] ? cond.fixedPiece[p] : 0};
    lists.decos = {0};

    if (cond.useDecorations) addDecorations(cat, cond, snapshot, lists.decos);

    if (!cond.allPieces) {
        addSkillPieces(cat, cond, snapshot, lists);
        if (cond.possessions)
            for (int p = 0; p < kArmourParts; ++p)
                if (!cond.fixed[p])
                    for (int row : snapshot.possessed[p]) offerPiece(cat, cond, snapshot, p, row, lists.parts[p]);
        if (cond.threeSlotPieces)
            for (int p = 0; p < kArmourParts; ++p)
                if (!cond.fixed[p])
                    for (int row : cat.slot3List[p]) offerPiece(cat, cond, snapshot, p, row, lists.parts[p]);
    } else {
        for (int p = 0; p < kArmourParts; ++p)
            if (!cond.fixed[p])
                for (int row = 0; row < static_cast<int>(cat.equip[p].size()); ++row)
                    offerPiece(cat, cond, snapshot, p, row, lists.parts[p]);
    }
    return lists;
}

int priorityValue(const Equip& piece, int priority) {
    switch (priority) {
    case 1: return piece.defence;
    case 2: return piece.rarity;
    case 3: return piece.slots;
    case 4: return piece.fire;
    case 5: return piece.water;
    case 6: return piece.thunder;
    case 7: return piece.ice;
    case 8: return piece.dragon;
    default: return 0;
    }
}

void orderByPriority(const Catalogue& cat, int priority, CandidateLists& lists) {
    if (priority < 1 || priority > 8) return;
    for (int p = 0; p < kArmourParts; ++p) {
        const std::vector<Equip>& table = cat.equip[p];
        std::stable_sort(lists.parts[p].begin(), lists.parts[p].end(), [&](int a, int b) {
            return priorityValue(table[a], priority) > priorityValue(table[b], priority);
        });
    }
}

}  // namespace vk
