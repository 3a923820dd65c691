#pragma once
// The item texts of the condition boxes, in UTF-8, shared by the window's
// boxes and the command line's listing of a saved search.

#include <array>

namespace vk {

// RareCB: item i limits the rarity to i; item 0 sets no limit.
inline constexpr std::array<const char*, 9> kRarityItems = {
    "レア制限なし", "レア１以下", "レア２以下", "レア３以下", "レア４以下",
    "レア５以下",   "レア６以下", "レア７以下", "レア８以下"};

// WeponCB: the weapon's slot count.
inline constexpr std::array<const char*, 4> kWeaponSlotItems = {"武器スロットなし", "武器スロット１",
                                                                "武器スロット２", "武器スロット３"};

// PriorityCB: the order in which candidate pieces are tried.
inline constexpr std::array<const char*, 9> kPriorityItems = {"なし", "防御", "レア", "スロット", "火",
                                                              "水",   "雷",   "氷",   "龍"};

}  // namespace vk
