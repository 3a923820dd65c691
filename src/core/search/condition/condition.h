#pragma once
// What the user asks the search for: every control of the search page,
// gathered into one record when "検索" is pressed.

#include <array>

#include "core/catalogue/deco_set.h"

namespace vk {

struct SearchCondition {
    int sex = 1;          // 1 男, 2 女
    int rarityLimit = 0;  // 0 no limit, N allows rarity <= N
    int type = 1;         // 1 剣士, 2 ガンナー
    std::array<int, 5> wanted{};  // SkillEq indices; the engine gets them sorted descending
    int wantedCount = 0;
    bool useDecorations = false;
    int weaponSlots = 0;  // 0..3
    bool possessions = false;
    bool fixDecorations = false;
    std::array<int, kArmourParts> fixedPiece{};  // PartIndex order, fixed or not
    std::array<bool, kArmourParts> fixed{};
    DecoSet fixedDecos;     // decorations of the checked fixed parts only
    DecoSet allFixedDecos;  // the whole fixed-equipment DecoSet, for result files
    int HitLimit = 100000;  // compared unsigned by the engine: negative means no limit
    int Priority = 0;       // 0 none, 1 defence, 2 rarity, 3 slots, 4..8 fire..dragon
    bool threeSlotPieces = false;
    bool allPieces = false;
    bool Interrupted = false;
    int minDefence = 0;
};

}  // namespace vk
