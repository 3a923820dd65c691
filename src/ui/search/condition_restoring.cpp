#include "ui/search/condition_restoring.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "ui/search/condition_reading.h"
#include "ui/search/skill_combo.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/radio_group.h"

namespace vk {

namespace {

void setItem(QComboBox* box, int item) {
    if (item >= 0 && item < box->count()) box->setCurrentIndex(item);
}

void setItem(RadioGroup* group, int item) {
    if (item >= 0 && item < group->count()) group->setItemIndex(item);
}

}  // namespace

void restoreConditionControls(const ConditionControls& c, const ConditionSettings& stored) {
    const ConditionForm& f = stored.form;
    setItem(c.sex, f.sexItem);
    setItem(c.type, f.typeItem);
    setItem(c.rarity, f.rareItem);
    for (int box = 0; box < 5; ++box) setItem(c.skill[box], f.skillBoxes[box]);
    for (int part = 0; part < kArmourParts; ++part) {
        c.fixed[part]->setChecked(f.fixedChecks[part]);
        if (stored.pieceText[part]) c.fixedPiece[part]->setText(fromSjis(*stored.pieceText[part]));
    }
    c.fixDecorations->setChecked(f.fixDeco);
    c.decorations->setChecked(f.isDecoration);
    setItem(c.weaponSlots, f.weponItem);
    c.possessions->setChecked(f.isPossession);
    c.hitLimit->setText(fromSjis(f.hitLimitText));
    setItem(c.priority, f.priorityItem);
    c.threeSlotPieces->setChecked(f.threeSlotPieces);
    c.allPieces->setChecked(f.allEquip);
    c.minDefence->setText(fromSjis(f.defText));
    applyConditionEnabling(c);
}

ConditionSettings conditionSettingsOf(const ConditionControls& c, const FixEquip& fixEquip) {
    ConditionSettings s;
    s.form = readConditionForm(c, fixEquip);
    for (int part = 0; part < kArmourParts; ++part) s.pieceText[part] = toSjis(c.fixedPiece[part]->text());
    return s;
}

}  // namespace vk
