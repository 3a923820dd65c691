#include "core/search/condition/condition_bounds.h"

#include <cstddef>

#include "core/catalogue/data_files.h"

namespace vk {

namespace {

bool inTable(int row, std::size_t size) { return row >= 0 && static_cast<std::size_t>(row) < size; }

}  // namespace

std::string catalogueRangeError(const Catalogue& cat) {
    auto noRows = [](const char* file) { return std::string(file) + " has no data lines"; };
    if (cat.skillTypes.empty()) return noRows(kSkillTypeFile);
    for (int p = 0; p < kArmourParts; ++p) {
        if (cat.equip[p].empty()) return noRows(kEquipFiles[p]);
        if (cat.skillIndex[p].size() < cat.skillTypes.size())
            return "skill lists of armour part " + std::to_string(p) + " are not built";
    }
    if (cat.decos.empty()) return noRows(kDecoFile);
    if (cat.decoSkillIndex.size() < cat.skillTypes.size() || cat.slotsPerPoint.size() < cat.skillTypes.size() ||
        cat.slotsPerMinusPoint.size() < cat.skillTypes.size())
        return "decoration tables are not built";
    if (cat.skillEqs.empty()) return noRows(kSkillEqFile);
    return {};
}

std::string conditionRangeError(const Catalogue& cat, const SearchCondition& cond) {
    if (std::string problem = catalogueRangeError(cat); !problem.empty()) return problem;
    for (int p = 0; p < kArmourParts; ++p) {
        if (cond.fixed[p] && !inTable(cond.fixedPiece[p], cat.equip[p].size()))
            return "fixed piece " + std::to_string(cond.fixedPiece[p]) + " of part " + std::to_string(p) +
                   " is not in the table";
    }
    if (cond.wantedCount < 0 || cond.wantedCount > 5) return "wanted count out of range";
    for (int w : cond.wanted) {
        if (!inTable(w, cat.skillEqs.size())) return "wanted skill " + std::to_string(w) + " is not in the table";
        if (!inTable(cat.skillEqs[w].system, cat.skillTypes.size()))
            return "wanted skill " + std::to_string(w) + " names an unknown skill system";
    }
    for (int p = 0; p < kDecoParts; ++p)
        for (int s = 0; s < kSlotsPerPart; ++s)
            if (!inTable(cond.fixedDecos.DecoIndex[p][s], cat.decos.size()))
                return "fixed decoration " + std::to_string(cond.fixedDecos.DecoIndex[p][s]) + " is not in the table";
    if (cond.weaponSlots < 0 || cond.weaponSlots > kSlotsPerPart) return "weapon slots out of range";
    return {};
}

}  // namespace vk
