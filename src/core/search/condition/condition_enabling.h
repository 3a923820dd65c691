#pragma once
// Which condition controls can be used, given the boxes they depend on. A
// disabled box keeps its state and is still gathered.

#include <array>

#include "core/catalogue/records.h"

namespace vk {

struct ConditionEnabling {
    bool wepon = false;       // WeponCB
    bool threeSlotPieces = false;    // Add3SlotCB
    bool possession = false;  // IsPossession
    bool fixDeco = false;     // FixDecoCB
};

constexpr ConditionEnabling conditionEnabling(bool isDecoration, bool allEquip,
                                              const std::array<bool, kArmourParts>& fixedChecks) {
    bool anyFixed = false;
    for (bool checked : fixedChecks) anyFixed = anyFixed || checked;
    return ConditionEnabling{isDecoration, isDecoration && !allEquip, !allEquip, anyFixed};
}

}  // namespace vk
