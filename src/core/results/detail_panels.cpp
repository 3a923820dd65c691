#include "core/results/detail_panels.h"

#include <algorithm>

#include "core/text/sjis.h"

namespace vk {

namespace {

const std::string& sjisWeapon() {
    static const std::string text = utf8ToSjis("武器");
    return text;
}
const std::string& sjisTotal() {
    static const std::string text = utf8ToSjis("計");
    return text;
}

EquipRowTexts pieceRow(const Catalogue& catalogue, const ShownSet& set, int part) {
    const Equip& e = shownPiece(catalogue, set, part);
    return {e.name,
            std::to_string(e.rarity),
            std::to_string(e.defence),
            std::to_string(e.fire),
            std::to_string(e.water),
            std::to_string(e.thunder),
            std::to_string(e.ice),
            std::to_string(e.dragon),
            std::to_string(e.slots),
            decorationText(catalogue, set.decos, part)};
}

}  // namespace

ArmourSums armourSumsOf(const Catalogue& catalogue, const ShownSet& set) {
    ArmourSums sums;
    for (int part = 0; part < kArmourParts; ++part) {
        const Equip& e = shownPiece(catalogue, set, part);
        sums.defence += e.defence;
        sums.fire += e.fire;
        sums.water += e.water;
        sums.thunder += e.thunder;
        sums.ice += e.ice;
        sums.dragon += e.dragon;
        sums.slots += e.slots;
    }
    return sums;
}

std::array<EquipRowTexts, kEquipRows> EquipLVRows(const Catalogue& catalogue, const ShownSet& set) {
    std::array<EquipRowTexts, kEquipRows> rows;
    for (int row = 0; row < kArmourParts; ++row) rows[row] = pieceRow(catalogue, set, kDisplayOrder[row]);

    rows[kEquipWeaponRow][0] = sjisWeapon();
    rows[kEquipWeaponRow][8] = std::to_string(set.weaponSlots);
    rows[kEquipWeaponRow][9] = decorationText(catalogue, set.decos, Weapon);

    const ArmourSums sums = armourSumsOf(catalogue, set);
    rows[kEquipTotalRow] = {sjisTotal(),
                            "",
                            std::to_string(sums.defence),
                            std::to_string(sums.fire),
                            std::to_string(sums.water),
                            std::to_string(sums.thunder),
                            std::to_string(sums.ice),
                            std::to_string(sums.dragon),
                            std::to_string(sums.slots),
                            ""};
    return rows;
}

SkillCell skillCellOf(const Catalogue& catalogue, const SkillSummary& summary, int system, int part,
                      bool markTorsoUp) {
    if (!summary.seen[system][summaryColumn(part)]) return SkillCell::kEmpty;
    if (markTorsoUp && catalogue.isTorsoUp(system)) return SkillCell::kTorsoUp;
    return SkillCell::kPoints;
}

std::vector<SkillRow> SkillLVRows(const Catalogue& catalogue, const SkillSummary& summary) {
    std::vector<SkillRow> rows;
    const int systems = std::min(catalogue.systemCount(), static_cast<int>(summary.seen.size()));
    for (int s = 1; s < systems; ++s) {
        if (!summary.seen[s][kSummaryTotal]) continue;
        SkillRow row;
        row.system = s;
        row.texts[0] = catalogue.skillTypes[s];
        for (int c = 0; c < 6; ++c) {
            const int part = kSkillColumnParts[c];
            switch (skillCellOf(catalogue, summary, s, part, part != Body)) {
            case SkillCell::kEmpty: break;
            case SkillCell::kTorsoUp: row.texts[1 + c].assign(1, 'E'); break;
            case SkillCell::kPoints: row.texts[1 + c] = std::to_string(summary.points[s][summaryColumn(part)]); break;
            }
        }
        if (!catalogue.isTorsoUp(s)) row.texts[kSkillTotalColumn] = std::to_string(summary.points[s][kSummaryTotal]);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string SkillMemoText(const Catalogue& catalogue, const SkillSummary& summary) {
    std::string text;
    const std::size_t n = std::min(catalogue.skillEqs.size(), summary.activated.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!summary.activated[i]) continue;
        text += catalogue.skillEqs[i].name;
        text += "\r\n";
    }
    return text;
}

}  // namespace vk
