#include "cli/condition_from_options.h"

#include "cli/usage_error.h"
#include "core/search/condition/condition_bounds.h"
#include "core/search/condition/condition_check.h"
#include "core/text/sjis.h"

namespace vk::cli {

namespace {

const char* const kPartNames[kArmourParts] = {"leg", "head", "body", "arm", "waist"};

int skillRow(const Catalogue& cat, const std::string& nameUtf8) {
    const int row = cat.findSkillEq(utf8ToSjis(nameUtf8));
    if (row < 0) throw UsageError("unknown skill '" + nameUtf8 + "' (not in SKILL_EQ.csv)");
    if (row == 0) throw UsageError("'" + nameUtf8 + "' is the no-skill entry, not a skill");
    return row;
}

int pieceRow(const Catalogue& cat, const FixedPieceOption& fix) {
    const auto& table = cat.equip[fix.part];
    const std::string part = kPartNames[fix.part];
    if (fix.index) {
        if (table.empty()) throw UsageError("--fix " + part + "=#" + std::to_string(*fix.index) + ": the " + part +
                                            " table has no rows");
        if (*fix.index >= static_cast<int>(table.size()))
            throw UsageError("--fix " + part + "=#" + std::to_string(*fix.index) + ": the " + part +
                             " table has rows 0 to " + std::to_string(table.size() - 1));
        return *fix.index;
    }
    const int row = cat.findEquip(fix.part, utf8ToSjis(fix.name));
    if (row < 0) throw UsageError("--fix: no " + part + " piece named '" + fix.name + "'");
    return row;
}

// Lays the decoration into the next free slots of its fixed piece, as the
// fixed-equipment dialog fits one.
void fitDecoration(const Catalogue& cat, const FixedDecoOption& fit, const ConditionForm& form,
                   DecoSet& decos) {
    const std::string part = kPartNames[fit.part];
    if (!form.fixedChecks[fit.part])
        throw UsageError("--fix-deco " + part + "=...: fix a " + part + " piece first with --fix " + part + "=...");
    const int deco = cat.findDeco(utf8ToSjis(fit.name));
    if (deco <= 0) throw UsageError("--fix-deco: no decoration named '" + fit.name + "'");
    const Equip& piece = cat.equip[fit.part][form.fixEquip.piece[fit.part]];
    const int slots = cat.decos[deco].slots;
    const int free = piece.slots - decos.SlotsUsed[fit.part];
    if (slots < 1 || slots > free)
        throw UsageError("--fix-deco " + part + "=" + fit.name + ": needs " + std::to_string(slots) +
                         " slot(s), the fixed piece has " + std::to_string(free < 0 ? 0 : free) + " free");
    decos.place(fit.part, deco, slots);
}

}  // namespace

ConditionForm conditionForm(const Catalogue& cat, const SearchOptions& o) {
    ConditionForm form;
    for (std::size_t i = 0; i < o.skills.size() && i < form.skillBoxes.size(); ++i)
        form.skillBoxes[i] = skillRow(cat, o.skills[i]);
    form.sexItem = o.sex - 1;
    form.typeItem = o.type - 1;
    form.rareItem = o.rarity;
    form.weponItem = o.weaponSlots;
    form.priorityItem = o.priority;
    form.isDecoration = o.decorations;
    form.isPossession = o.possessions;
    form.fixDeco = o.fixDecorations;
    form.threeSlotPieces = o.threeSlotPieces;
    form.allEquip = o.allPieces;
    form.hitLimitText = o.hitLimit;
    form.defText = o.minDefence;
    for (const FixedPieceOption& fix : o.fixes) {
        form.fixEquip.piece[fix.part] = pieceRow(cat, fix);
        form.fixedChecks[fix.part] = true;
    }
    for (const FixedDecoOption& fit : o.fixDecos) fitDecoration(cat, fit, form, form.fixEquip.decos);
    return form;
}

GatheredCondition gatherSearchCondition(const Catalogue& cat, const ConditionForm& form) {
    if (const auto refusal = checkSearchRequest(cat, false, form.skillBoxes))
        throw UsageError("--skill: " + sjisToUtf8(refusal->text));
    GatheredCondition gathered = gatherCondition(cat, form);
    if (const std::string problem = conditionRangeError(cat, gathered.engine); !problem.empty())
        throw UsageError(problem);
    return gathered;
}

}  // namespace vk::cli
