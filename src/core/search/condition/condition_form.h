#pragma once
// The values of the search page's condition controls, read by the window (or
// given by the CLI) and turned into a SearchCondition by gatherCondition().

#include <array>
#include <string>

#include "core/search/condition/fix_equip.h"

namespace vk {

struct ConditionForm {
    std::array<int, 5> skillBoxes{};  // ReqSkill1..ReqSkill5 item indices (SkillEq rows), box order; -1 = no selection
    int sexItem = 0;       // SexRG: 0 男, 1 女
    int typeItem = 0;      // TypeRG: 0 剣士, 1 ガンナー
    int rareItem = 0;      // RareCB: 0 no limit, N = rarity N or less
    int weponItem = 0;     // WeponCB: weapon slots 0..3
    int priorityItem = 0;  // PriorityCB: 0 none, 1 defence, 2 rarity, 3 slots, 4..8 fire..dragon
    bool isDecoration = false;
    bool isPossession = false;
    bool fixDeco = false;    // FixDecoCB
    bool threeSlotPieces = false;   // Add3SlotCB
    bool allEquip = false;   // AllEquipCB
    std::array<bool, kArmourParts> fixedChecks{};  // LegCB, HeadCB, BodyCB, ArmCB, WstCB
    std::string hitLimitText = "100000";  // HitLimitEdit
    std::string defText = "0";            // DefEdit
    FixEquip fixEquip;
};

}  // namespace vk
