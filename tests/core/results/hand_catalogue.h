#pragma once
// Small catalogues built by hand for the result tests. Names are written in
// UTF-8 here and stored as Shift-JIS, as the loader stores them.

#include <initializer_list>
#include <string>
#include <utility>

#include "core/catalogue/catalogue.h"
#include "core/results/shown_set.h"
#include "core/text/sjis.h"

namespace vk::test {

inline std::string sj(const char* utf8) { return utf8ToSjis(utf8); }

struct PieceValues {
    int rarity = 0, defence = 0, fire = 0, water = 0, thunder = 0, ice = 0, dragon = 0, slots = 0;
};

inline Equip piece(const char* name, PieceValues v, std::initializer_list<std::pair<int, int>> skills = {}) {
    Equip e;
    e.name = sj(name);
    e.rarity = v.rarity;
    e.defence = v.defence;
    e.fire = v.fire;
    e.water = v.water;
    e.thunder = v.thunder;
    e.ice = v.ice;
    e.dragon = v.dragon;
    e.slots = v.slots;
    int k = 0;
    for (auto [system, points] : skills) e.skill[k++] = {system, points};
    return e;
}

inline Deco deco(const char* name, int slots, std::pair<int, int> main, std::pair<int, int> second = {0, 0}) {
    Deco d;
    d.name = sj(name);
    d.slots = slots;
    d.skill[0] = {main.first, main.second};
    d.skill[1] = {second.first, second.second};
    return d;
}

inline SkillEq activation(const char* name, int system, int kind, int threshold) {
    SkillEq e;
    e.name = sj(name);
    e.system = system;
    e.kind = kind;
    e.threshold = threshold;
    return e;
}

// Systems: 0 none, 1 胴系倍加 (torso-up), 2 攻撃, 3 防御, 4 体力. Every part
// and the decoration table start with their none row; no activations yet
// beyond the no-skill entry, which never fires.
inline Catalogue baseCatalogue() {
    Catalogue c;
    c.skillTypes = {"", sj("胴系倍加"), sj("攻撃"), sj("防御"), sj("体力")};
    c.torsoUpSystem = 1;
    for (auto& table : c.equip) table.push_back(Equip{});
    c.decos.push_back(Deco{});
    c.skillEqs.push_back(activation("", 0, kEqual, 9999));
    for (std::size_t i = 0; i < c.skillEqs.size(); ++i) c.skillEqs[i].index = static_cast<int>(i);
    return c;
}

constexpr int kTorso = 1, kAttack = 2, kGuard = 3, kStamina = 4;

}  // namespace vk::test

namespace vk::test {

// A full set for the panels and the report. Activations: 攻撃小 (攻撃 >= 5),
// 攻撃大 (攻撃 >= 15), 防御DOWN (防御 <= -5). Pieces (row 1 of each part):
//   頭A rarity 3, defence 10, fire 1, water -2, dragon 3, 1 slot; 攻撃 +2, 防御 -1
//   胴B rarity 4, defence 12, thunder 2, ice -1, 2 slots;       攻撃 +3
//   腕C rarity 2, defence 8, no slots;                          胴系倍加 (torso-up)
//   腰D rarity 1, defence 5, 3 slots;                           防御 -2
//   脚E rarity 1, defence 6, no slots;                          攻撃 +1
// Decoration 1 = 攻撃珠 (攻撃 +1, 防御 -1): one in the body, two in the
// waist, one in the weapon's single slot.
inline Catalogue reportCatalogue() {
    Catalogue c = baseCatalogue();
    c.skillEqs.push_back(activation("攻撃小", kAttack, kGreaterEqual, 5));
    c.skillEqs.push_back(activation("攻撃大", kAttack, kGreaterEqual, 15));
    c.skillEqs.push_back(activation("防御DOWN", kGuard, kLessEqual, -5));
    c.equip[Head].push_back(piece("頭A", {3, 10, 1, -2, 0, 0, 3, 1}, {{kAttack, 2}, {kGuard, -1}}));
    c.equip[Body].push_back(piece("胴B", {4, 12, 0, 0, 2, -1, 0, 2}, {{kAttack, 3}}));
    c.equip[Arm].push_back(piece("腕C", {2, 8, 0, 0, 0, 0, 0, 0}, {{kTorso, 0}}));
    c.equip[Wst].push_back(piece("腰D", {1, 5, 0, 0, 0, 0, 0, 3}, {{kGuard, -2}}));
    c.equip[Leg].push_back(piece("脚E", {1, 6, 0, 0, 0, 0, 0, 0}, {{kAttack, 1}}));
    c.decos.push_back(deco("攻撃珠", 1, {kAttack, 1}, {kGuard, -1}));
    return c;
}

inline ShownSet reportSet() {
    ShownSet set;
    set.pieces = {1, 1, 1, 1, 1};
    set.decos.place(Body, 1, 1);
    set.decos.place(Wst, 1, 1);
    set.decos.place(Wst, 1, 1);
    set.decos.place(Weapon, 1, 1);
    set.weaponSlots = 1;
    set.sex = 1;
    set.type = 1;
    return set;
}

}  // namespace vk::test
