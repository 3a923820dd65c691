#pragma once
// The summary of the rows selected on the possessions page: the set they
// make (EquipPossLV), its skill points without a weapon column (SkillPossLV)
// and the activated skills (PossMemo).

#include <array>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/results/shown_set.h"
#include "core/results/skill_summary.h"
#include "core/search/condition/possession.h"

namespace vk {

// Per part (PartIndex) the possession of the selected row; null for none.
using SelectedPossessions = std::array<const Possession*, kArmourParts>;

bool anySelected(const SelectedPossessions& selected);

// The set of the selected possessions: their pieces, and each one's fitted
// decorations laid into its part row; no piece where nothing is selected.
ShownSet possessionShownSet(const Catalogue& catalogue, const SelectedPossessions& selected);

// EquipPossLV: 部, 防, 火, 水, 雷, 氷, 龍, ス, 装飾品. Rows 頭 胴 腕 腰 脚 then 計
// (sums over the five pieces, no decoration text).
constexpr int kPossEquipColumns = 9;
constexpr int kPossEquipRows = 6;
using PossEquipRow = std::array<std::string, kPossEquipColumns>;
std::array<PossEquipRow, kPossEquipRows> EquipPossLVRows(const Catalogue& catalogue, const ShownSet& set);

// SkillPossLV: スキル系統, 頭, 胴, 腕, 腰, 脚, 計; the total is column 6.
constexpr int kPossSkillColumns = 7;
constexpr int kPossSkillTotalColumn = 6;
using PossSkillRow = std::array<std::string, kPossSkillColumns>;
std::vector<PossSkillRow> SkillPossLVRows(const Catalogue& catalogue, const SkillSummary& summary);

// PossMemo: the activated skills in table order, each followed by a blank,
// or by "\r\n" instead once its line has reached 31 bytes.
constexpr std::size_t kPossMemoLineBytes = 31;
std::string PossMemoText(const Catalogue& catalogue, const SkillSummary& summary);

}  // namespace vk
