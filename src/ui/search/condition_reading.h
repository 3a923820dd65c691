#pragma once
// Reads the search page's condition controls into a ConditionForm, and keeps
// the controls that depend on others enabled or disabled.

#include "core/search/condition/condition_form.h"
#include "core/search/condition/fix_equip.h"
#include "ui/search/condition_controls.h"

namespace vk {

// The controls as they stand, with the window's fixed equipment.
ConditionForm readConditionForm(const ConditionControls& controls, const FixEquip& fixEquip);

// WeponCB, Add3SlotCB, IsPossession and FixDecoCB after a click of
// IsDecoration, AllEquipCB or one of the five fixed boxes.
void applyConditionEnabling(const ConditionControls& controls);

}  // namespace vk
