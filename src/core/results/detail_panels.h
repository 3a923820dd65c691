#pragma once
// What the detail panels of a shown set contain: the equipment list, the
// skill list and the activated-skill memo. Texts are Shift-JIS; the window
// converts them.

#include <array>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/results/shown_set.h"
#include "core/results/skill_summary.h"

namespace vk {

// Equipment list: 防具名, レ, 防, 火, 水, 雷, 氷, 龍, ス, 装飾品.
constexpr int kEquipColumns = 10;
using EquipRowTexts = std::array<std::string, kEquipColumns>;
// Rows 0..4 are Head, Body, Arm, Wst, Leg (kDisplayOrder); then these two.
constexpr int kEquipWeaponRow = 5;
constexpr int kEquipTotalRow = 6;
constexpr int kEquipRows = 7;

// Sums over the five armour pieces (the weapon's slots not included).
struct ArmourSums {
    int defence = 0, fire = 0, water = 0, thunder = 0, ice = 0, dragon = 0, slots = 0;
};
ArmourSums armourSumsOf(const Catalogue& catalogue, const ShownSet& set);
// The armour's slots and the weapon's, summed wide: the weapon's count
// comes from a file and may be any int.
inline long long slotsWithWeapon(const ArmourSums& sums, const ShownSet& set) {
    return static_cast<long long>(sums.slots) + set.weaponSlots;
}

// The seven rows. The total row sums the five pieces; the weapon's slots are
// not added.
std::array<EquipRowTexts, kEquipRows> EquipLVRows(const Catalogue& catalogue, const ShownSet& set);

// Skill list: system name, 頭, 胴, 腕, 腰, 脚, 武, 計.
constexpr int kSkillColumns = 8;
constexpr int kSkillTotalColumn = 7;
// The parts of the point columns 1..6, in column order.
constexpr std::array<int, 6> kSkillColumnParts = {Head, Body, Arm, Wst, Leg, Weapon};
struct SkillRow {
    int system = 0;
    std::array<std::string, kSkillColumns> texts;
};

// One row per touched system from 1 up, from a summary of the shown set.
std::vector<SkillRow> SkillLVRows(const Catalogue& catalogue, const SkillSummary& summary);

// The names of the activated skills in table order, each followed by "\r\n".
std::string SkillMemoText(const Catalogue& catalogue, const SkillSummary& summary);

// How one part's cell of a skill row reads: untouched, the torso-up mark, or
// the part's points. `markTorsoUp` is false where the mark never shows.
enum class SkillCell { kEmpty, kTorsoUp, kPoints };
SkillCell skillCellOf(const Catalogue& catalogue, const SkillSummary& summary, int system, int part,
                      bool markTorsoUp);

}  // namespace vk
