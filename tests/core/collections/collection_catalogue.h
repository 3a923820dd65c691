#pragma once
// A small catalogue for the collection dialogs' tests, built on the result
// tests' hand catalogue. Systems: 1 胴系倍加, 2 攻撃, 3 防御, 4 体力.
//   Head 1 "AlphaHelm" either sex/type, rarity 1, 1 slot, defence 10; 攻撃 +2
//   Head 2 "betaHelm"  female only, rarity 3, 3 slots, defence 20; 防御 +3
//   Head 3 "GammaCap"  blade only, rarity 3, 2 slots, defence 15; 攻撃 +1, 体力 +2
//   Head 4 "alphaHood" male gunner, rarity 1, no slots, defence 5; no skills
//   Body 1 "Vest" rarity 3, 1 slot; Leg 1 "Greaves" rarity 2
//   Deco 1 "Atk1" 1 slot, rarity 1: 攻撃 +1, 防御 -1
//   Deco 2 "Atk3" 3 slots, rarity 3: 攻撃 +4
//   Deco 3 "Grd2" 2 slots, rarity 2: 防御 +2

#include "core/results/hand_catalogue.h"

namespace vk::test {

inline Catalogue collectionCatalogue() {
    Catalogue c = baseCatalogue();
    auto add = [&](int part, const char* name, int sex, int type, PieceValues v,
                   std::initializer_list<std::pair<int, int>> skills) {
        Equip e = piece(name, v, skills);
        e.sex = sex;
        e.type = type;
        c.equip[part].push_back(e);
    };
    add(Head, "AlphaHelm", 0, 0, {.rarity = 1, .defence = 10, .slots = 1}, {{kAttack, 2}});
    add(Head, "betaHelm", 2, 0, {.rarity = 3, .defence = 20, .slots = 3}, {{kGuard, 3}});
    add(Head, "GammaCap", 0, 1, {.rarity = 3, .defence = 15, .slots = 2}, {{kAttack, 1}, {kStamina, 2}});
    add(Head, "alphaHood", 1, 2, {.rarity = 1, .defence = 5}, {});
    add(Body, "Vest", 0, 0, {.rarity = 3, .defence = 12, .slots = 1}, {{kGuard, 1}});
    add(Leg, "Greaves", 0, 0, {.rarity = 2, .defence = 8}, {{kStamina, 1}});
    Deco d1 = deco("Atk1", 1, {kAttack, 1}, {kGuard, -1});
    d1.rarity = 1;
    Deco d2 = deco("Atk3", 3, {kAttack, 4});
    d2.rarity = 3;
    Deco d3 = deco("Grd2", 2, {kGuard, 2});
    d3.rarity = 2;
    c.decos.insert(c.decos.end(), {d1, d2, d3});
    return c;
}

}  // namespace vk::test
