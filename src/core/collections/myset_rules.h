#pragma once
// What the my-set page and the registrations do with a my set: building one
// from a hit or from owned pieces, the edit record's check, the list's texts,
// the equipment list and the apply of one part from the fixed-equipment
// dialog.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/catalogue/catalogue.h"
#include "core/collections/myset.h"
#include "core/collections/possession_summary.h"
#include "core/results/hit_narrowing.h"
#include "core/results/shown_set.h"
#include "core/results/skill_summary.h"

namespace vk {

// "新しいマイセット" (Shift-JIS): the name of every registered my set.
const std::string& newMysetName();

// A hit as a my set, with the sex, type and weapon slots of its search.
Myset mysetFromHit(const Result& hit, int sex, int type, int weaponSlots);

// The five selected possessions as a my set: their pieces with their fitted
// decorations, no weapon slots. Parts with no selection keep no piece.
Myset mysetFromPossessions(const Catalogue& catalogue, const SelectedPossessions& selected, int sex, int type);

// The detail window's selected set as a new my set: sex, type and weapon
// slots of its conditions, the selected pieces, and each selected decoration
// at its slot with the slots it takes marked used.
Myset mysetFromNarrowing(const Catalogue& catalogue, const HitNarrowing& narrowing);

// A my-set name as it is taken (from the edit box or a file): at most 255
// bytes, cut on a character, every control character a blank.
std::string mysetNameFrom(std::string_view typed);

// Storable: a name that is not blank once blanks and control characters are
// trimmed, a sex and a type chosen, and every piece wearable by both.
bool isValidMyset(const Catalogue& catalogue, const Myset& set);

// The set shown for a my set: its pieces, decorations and weapon slots.
ShownSet mysetShownSet(const Myset& set);

// MysetLV's texts after "no": タイプ, マイセット名, 防御, スキル (the activated
// skills, each followed by a blank). `scratch` receives the set's summary.
constexpr int kMysetListColumns = 5;
using MysetListRow = std::array<std::string, kMysetListColumns>;  // no, タイプ, マイセット名, 防御, スキル
MysetListRow mysetListRow(const Catalogue& catalogue, const Myset& set, int position, SkillSummary& scratch);

// MysetEquipLV: 防具名, レ, 防, 火, 水, 雷, 氷, 龍, ス; rows Head .. Leg, 武器 and 計.
constexpr int kMysetEquipColumns = 9;
using MysetEquipRow = std::array<std::string, kMysetEquipColumns>;
std::array<MysetEquipRow, 7> MysetEquipLVRows(const Catalogue& catalogue, const ShownSet& set);

// The dialog's result for `part` (0..4 a piece and its decorations, 5 the
// weapon's decorations): the piece replaces the set's piece, the decorations
// are laid into the part row from slot 0.
void applyMysetPart(const Catalogue& catalogue, Myset& set, int part, int piece, std::span<const int> decos);

}  // namespace vk
