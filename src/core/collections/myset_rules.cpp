#include "core/collections/myset_rules.h"

#include <algorithm>

#include "core/catalogue/deco_row_recount.h"
#include "core/collections/deco_laying.h"
#include "core/results/detail_panels.h"
#include "core/text/control_bytes.h"
#include "core/text/sjis.h"
#include "core/text/sjis_limit.h"

namespace vk {

const std::string& newMysetName() {
    static const std::string name = utf8ToSjis("新しいマイセット");
    return name;
}

Myset mysetFromHit(const Result& hit, int sex, int type, int weaponSlots) {
    Myset set;
    set.Sex = sex;
    set.Type = type;
    set.WeaponSlot = weaponSlots;
    set.Name = newMysetName();
    set.Set = hit;
    return set;
}

Myset mysetFromPossessions(const Catalogue& catalogue, const SelectedPossessions& selected, int sex, int type) {
    const ShownSet shown = possessionShownSet(catalogue, selected);
    Myset set;
    set.Sex = sex;
    set.Type = type;
    set.Name = newMysetName();
    for (int part = 0; part < kArmourParts; ++part) set.Set.Index[part] = shown.pieces[part];
    set.Set.Decos = shown.decos;
    return set;
}

Myset mysetFromNarrowing(const Catalogue& catalogue, const HitNarrowing& narrowing) {
    const ShownSet shown = narrowing.selectedSet();
    Myset set;
    set.Sex = shown.sex;
    set.Type = shown.type;
    set.WeaponSlot = shown.weaponSlots;
    set.Name = newMysetName();
    for (int part = 0; part < kArmourParts; ++part) set.Set.Index[part] = shown.pieces[part];
    for (int part = 0; part < kDecoParts; ++part) {
        for (int slot = 0; slot < kSlotsPerPart; ++slot)
            set.Set.Decos.DecoIndex[part][slot] = shown.decos.DecoIndex[part][slot];
        recountDecoRow(catalogue, set.Set.Decos, part);
    }
    return set;
}

std::string mysetNameFrom(std::string_view typed) { return controlsAsBlanks(limitSjisBytes(typed, kMaxNameBytes)); }

bool isValidMyset(const Catalogue& catalogue, const Myset& set) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    if (std::all_of(set.Name.begin(), set.Name.end(), blank)) return false;
    if (set.Sex < 1 || set.Type < 1) return false;
    for (int part = 0; part < kArmourParts; ++part) {
        const int row = set.Set.Index[part];
        if (row < 0 || row >= static_cast<int>(catalogue.equip[part].size())) return false;
        const Equip& piece = catalogue.equip[part][row];
        if (!codeFits(piece.sex, set.Sex) || !codeFits(piece.type, set.Type)) return false;
    }
    return true;
}

ShownSet mysetShownSet(const Myset& set) { return shownSetOf(set.Set, set.WeaponSlot, set.Sex, set.Type); }

MysetListRow mysetListRow(const Catalogue& catalogue, const Myset& set, int position, SkillSummary& scratch) {
    const ShownSet shown = mysetShownSet(set);
    RunSkillSummary(catalogue, shown, scratch);
    std::string skills;
    const std::size_t n = std::min(catalogue.skillEqs.size(), scratch.activated.size());
    for (std::size_t i = 0; i < n; ++i)
        if (scratch.activated[i]) {
            skills += catalogue.skillEqs[i].name;
            skills += ' ';
        }
    static const std::string blade = utf8ToSjis("剣士"), gunner = utf8ToSjis("ガンナー");
    return {std::to_string(position + 1), set.Type == 1 ? blade : gunner, set.Name,
            std::to_string(armourSumsOf(catalogue, shown).defence), std::move(skills)};
}

// The search page's rows without their decoration column.
std::array<MysetEquipRow, 7> MysetEquipLVRows(const Catalogue& catalogue, const ShownSet& set) {
    const std::array<EquipRowTexts, kEquipRows> full = EquipLVRows(catalogue, set);
    std::array<MysetEquipRow, 7> rows;
    for (int r = 0; r < kEquipRows; ++r) std::copy(full[r].begin(), full[r].begin() + kMysetEquipColumns, rows[r].begin());
    return rows;
}

void applyMysetPart(const Catalogue& catalogue, Myset& set, int part, int piece, std::span<const int> decos) {
    if (part < 0 || part >= kDecoParts) return;
    if (part < kArmourParts) set.Set.Index[part] = piece;
    layDecorations(set.Set.Decos, part, decos, catalogue);
}

}  // namespace vk
