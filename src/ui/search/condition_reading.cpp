#include "ui/search/condition_reading.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "core/search/condition/condition_enabling.h"
#include "ui/search/skill_combo.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/radio_group.h"

namespace vk {

namespace {

std::array<bool, kArmourParts> fixedChecks(const ConditionControls& c) {
    std::array<bool, kArmourParts> checks{};
    for (int part = 0; part < kArmourParts; ++part) checks[part] = c.fixed[part]->isChecked();
    return checks;
}

}  // namespace

ConditionForm readConditionForm(const ConditionControls& c, const FixEquip& fixEquip) {
    ConditionForm form;
    for (int i = 0; i < 5; ++i) form.skillBoxes[i] = c.skill[i]->currentIndex();
    form.sexItem = c.sex->itemIndex();
    form.typeItem = c.type->itemIndex();
    form.rareItem = c.rarity->currentIndex();
    form.weponItem = c.weaponSlots->currentIndex();
    form.priorityItem = c.priority->currentIndex();
    form.isDecoration = c.decorations->isChecked();
    form.isPossession = c.possessions->isChecked();
    form.fixDeco = c.fixDecorations->isChecked();
    form.threeSlotPieces = c.threeSlotPieces->isChecked();
    form.allEquip = c.allPieces->isChecked();
    form.fixedChecks = fixedChecks(c);
    form.hitLimitText = toSjis(c.hitLimit->text());
    form.defText = toSjis(c.minDefence->text());
    form.fixEquip = fixEquip;
    return form;
}

void applyConditionEnabling(const ConditionControls& c) {
    const ConditionEnabling e = conditionEnabling(c.decorations->isChecked(), c.allPieces->isChecked(), fixedChecks(c));
    c.weaponSlots->setEnabled(e.wepon);
    c.threeSlotPieces->setEnabled(e.threeSlotPieces);
    c.possessions->setEnabled(e.possession);
    c.fixDecorations->setEnabled(e.fixDeco);
}

}  // namespace vk
