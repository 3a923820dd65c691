#pragma once
// The search page's condition controls to and from the settings file's
// record of them.

#include "core/search/condition/fix_equip.h"
#include "core/settings/condition_settings.h"
#include "ui/search/condition_controls.h"

namespace vk {

// Sets the controls as stored, as if the user had set them: the enabling
// rules follow. An item index beyond its list leaves that control as it
// is; fixed-piece boxes change only where the file names a piece.
void restoreConditionControls(const ConditionControls& controls, const ConditionSettings& stored);

// The controls as they stand, with the window's fixed equipment.
ConditionSettings conditionSettingsOf(const ConditionControls& controls, const FixEquip& fixEquip);

}  // namespace vk
