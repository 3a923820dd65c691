#pragma once
// A small catalogue for the collections tests, built by hand.
//   Head: 1 鉄兜 (2 slots, 攻撃 +2), 2 女兜 (women only), 3 鉄兜 (a second row
//         of the same name, 1 slot), 4 銃兜 (gunners only)
//   Body: 1 胴甲 (3 slots, 攻撃 +3);  Arm, Wst, Leg: 1 腕甲 / 腰甲 / 脚甲
//   Decorations: 1 攻撃珠 (1 slot, 攻撃 +1), 2 大珠 (2 slots, 攻撃 +2)
// Activations: 攻撃小 (攻撃 >= 3), 攻撃大 (攻撃 >= 8).

#include "core/results/hand_catalogue.h"

namespace vk::test {

inline Catalogue collectionsCatalogue() {
    Catalogue c = baseCatalogue();
    for (int p = 0; p < kArmourParts; ++p) c.equip[p][0].name = sj("装備なし");
    c.decos[0].name = sj("装飾なし");
    c.equip[Head].push_back(piece("鉄兜", {.rarity = 1, .defence = 10, .slots = 2}, {{kAttack, 2}}));
    c.equip[Head].push_back(piece("女兜", {.rarity = 2, .defence = 12, .slots = 0}));
    c.equip[Head].back().sex = 2;
    c.equip[Head].push_back(piece("鉄兜", {.rarity = 3, .defence = 14, .slots = 1}));
    c.equip[Head].push_back(piece("銃兜", {.rarity = 1, .defence = 9, .slots = 1}));
    c.equip[Head].back().type = 2;
    c.equip[Body].push_back(piece("胴甲", {.rarity = 1, .defence = 20, .fire = 2, .slots = 3}, {{kAttack, 3}}));
    c.equip[Arm].push_back(piece("腕甲", {.rarity = 1, .defence = 5, .slots = 1}));
    c.equip[Wst].push_back(piece("腰甲", {.rarity = 1, .defence = 6, .slots = 1}));
    c.equip[Leg].push_back(piece("脚甲", {.rarity = 1, .defence = 7, .slots = 1}));
    c.decos.push_back(deco("攻撃珠", 1, {kAttack, 1}));
    c.decos.push_back(deco("大珠", 2, {kAttack, 2}));
    c.skillEqs.push_back(activation("攻撃小", kAttack, kGreaterEqual, 3));
    c.skillEqs.push_back(activation("攻撃大", kAttack, kGreaterEqual, 8));
    for (std::size_t i = 0; i < c.skillEqs.size(); ++i) c.skillEqs[i].index = static_cast<int>(i);
    return c;
}

}  // namespace vk::test
