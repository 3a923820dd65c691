#include "core/settings/condition_settings.h"

#include "core/catalogue/stored_reference.h"
#include "core/results/shown_set.h"
#include "core/search/condition/condition_gather.h"
#include "core/settings/settings_words.h"
#include "core/text/sjis.h"
#include "core/text/sjis_limit.h"

namespace vk {

namespace {

constexpr std::string_view kSection = kConditionSection;

// The fixed boxes' keys in the order they are written: head first.
constexpr std::array<int, kArmourParts> kWriteOrder = kDisplayOrder;

int storedIndex(const IniFile& ini, const std::string& key) { return ini.readInteger(kSection, key, -1); }

// The decoration a stored (name, index key) refers to: the name first, the
// index only when the name is gone; -1 when neither gives a decoration.
int resolveDecoration(const IniFile& ini, const Catalogue& catalogue, const std::string& name,
                      const std::string& indexKey) {
    const int row = firstDecoNamed(catalogue, name, storedIndex(ini, indexKey));
    return row >= 0 && static_cast<std::size_t>(row) < catalogue.decos.size() ? row : -1;
}

// The fixed decorations of `part`, numbered from 0, into its slots in order.
void readFixedDecorations(const IniFile& ini, const Catalogue& catalogue, int part, DecoSet& decos) {
    for (int n = 0;; ++n) {
        const std::optional<std::string> name = ini.text(kSection, settingsKey("Fix", part, "DecoName", {n}));
        if (!name) return;
        const int deco = resolveDecoration(ini, catalogue, limitSjisBytes(*name, kMaxNameBytes),
                                           settingsKey("Fix", part, "DecoIndex", {n}));
        if (deco <= 0) return;  // row 0 is the empty slot
        const int slots = catalogue.decos[deco].slots;
        if (slots < 1 || decos.SlotsUsed[part] + slots > kSlotsPerPart) return;
        decos.place(part, deco, slots);
    }
}

const std::string& noPieceText() {
    static const std::string text = utf8ToSjis("装備無し");
    return text;
}

}  // namespace

ConditionSettings readConditionSettings(const IniFile& ini, const Catalogue& catalogue) {
    ConditionSettings s;
    ConditionForm& f = s.form;
    f.sexItem = ini.readInteger(kSection, "Sex", 0);
    f.typeItem = ini.readInteger(kSection, "Type", 0);
    f.rareItem = ini.readInteger(kSection, "Rare", 0);
    for (int box = 0; box < 5; ++box) {
        const std::string name = ini.readString(kSection, "Skill" + std::to_string(box + 1), "0");
        f.skillBoxes[box] = std::max(0, catalogue.findSkillEq(name));
    }
    for (int part = 0; part < kArmourParts; ++part)
        f.fixedChecks[part] = ini.readBool(kSection, settingsKey("Fix", part, "CheckBox"), false);
    f.fixDeco = ini.readBool(kSection, "FixDecoCheckBox", false);

    f.fixEquip = FixEquip{};
    for (int part = 0; part < kArmourParts; ++part) {
        const std::optional<std::string> stored = ini.text(kSection, settingsKey("Fix", part, "Name"));
        if (!stored) continue;
        const std::string name = limitSjisBytes(*stored, kMaxNameBytes);
        s.pieceText[part] = name;
        const int row = resolveStoredPiece(catalogue, part, name, storedIndex(ini, settingsKey("Fix", part, "Index")));
        if (row < 0 || static_cast<std::size_t>(row) >= catalogue.equip[part].size()) continue;  // unresolved
        f.fixEquip.piece[part] = row;
        s.pieceText[part] = catalogue.equip[part][row].name;
        readFixedDecorations(ini, catalogue, part, f.fixEquip.decos);
    }

    f.isDecoration = ini.readBool(kSection, "IsDecoration", false);
    f.weponItem = ini.readInteger(kSection, "WeponSlot", 0);
    f.isPossession = ini.readBool(kSection, "IsPossession", false);
    f.hitLimitText = std::to_string(ini.readInteger(kSection, "HitLimit", kDefaultHitLimit));
    f.priorityItem = ini.readInteger(kSection, "Priority", 0);
    f.threeSlotPieces = ini.readBool(kSection, "Add3Slot", false);
    f.allEquip = ini.readBool(kSection, "AllEquip", false);
    f.defText = std::to_string(ini.readInteger(kSection, "Def", kDefaultMinDefence));
    return s;
}

void writeConditionSettings(IniFile& ini, const Catalogue& catalogue, const ConditionSettings& s) {
    const ConditionForm& f = s.form;
    ini.writeInteger(kSection, "Sex", f.sexItem);
    ini.writeInteger(kSection, "Type", f.typeItem);
    ini.writeInteger(kSection, "Rare", f.rareItem);
    for (int box = 0; box < 5; ++box) {
        const int item = f.skillBoxes[box];
        const std::size_t row = item > 0 && static_cast<std::size_t>(item) < catalogue.skillEqs.size() ? item : 0;
        ini.writeString(kSection, "Skill" + std::to_string(box + 1),
                        row < catalogue.skillEqs.size() ? catalogue.skillEqs[row].name : std::string());
    }
    for (int part : kWriteOrder) ini.writeBool(kSection, settingsKey("Fix", part, "CheckBox"), f.fixedChecks[part]);
    ini.writeBool(kSection, "FixDecoCheckBox", f.fixDeco);
    for (int part : kWriteOrder)
        ini.writeString(kSection, settingsKey("Fix", part, "Name"), s.pieceText[part].value_or(noPieceText()));
    for (int part : kWriteOrder) ini.writeInteger(kSection, settingsKey("Fix", part, "Index"), f.fixEquip.piece[part]);
    for (int part = 0; part < kArmourParts; ++part) {
        int n = 0;
        for (int slot = 0; slot < kSlotsPerPart; ++slot) {
            const int index = f.fixEquip.decos.DecoIndex[part][slot];
            const Deco* deco = decoAt(catalogue, index);
            if (!deco) continue;
            ini.writeString(kSection, settingsKey("Fix", part, "DecoName", {n}), deco->name);
            ini.writeInteger(kSection, settingsKey("Fix", part, "DecoIndex", {n}), index);
            ++n;
        }
    }
    ini.writeBool(kSection, "IsDecoration", f.isDecoration);
    ini.writeInteger(kSection, "WeponSlot", f.weponItem);
    ini.writeBool(kSection, "IsPossession", f.isPossession);
    ini.writeInteger(kSection, "HitLimit", hitLimitOf(f.hitLimitText));
    ini.writeInteger(kSection, "Priority", f.priorityItem);
    ini.writeBool(kSection, "Add3Slot", f.threeSlotPieces);
    ini.writeBool(kSection, "AllEquip", f.allEquip);
    ini.writeInteger(kSection, "Def", minDefenceOf(f.defText));
}

}  // namespace vk
