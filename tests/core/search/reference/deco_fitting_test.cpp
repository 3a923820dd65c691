// Decoration fitting seen through whole searches: each catalogue is built so
// that a slip in one rule changes the hits or their layouts.

#include <gtest/gtest.h>

#include "core/search/search_fixture.h"

namespace vk {
namespace {

using search_test::CatalogueBuilder;
using search_test::conditionFor;
using search_test::makePiece;
using search_test::runReference;
using search_test::makeHit;

TEST(DecorationFitting, TorsoUpBodySlotsCountInEstimateAndFill) {
    CatalogueBuilder b;
    const int a = b.system("A");
    const int t = b.torsoUpSystem();
    const int want = b.skill(a, kGreaterEqual, 10);
    b.piece(Body, makePiece(2, 0, {{a, 1}}));
    b.piece(Head, makePiece(0, 0, {{t, 0}}));
    const int d = b.deco(1, {a, 2});  // 0.5 slots per point
    const Catalogue cat = b.build();

    SearchCondition cond = conditionFor({want});
    cond.useDecorations = true;
    const auto out = runReference(cat, cond);
    // Only torso-up head + body: armour 1 * 2, need 8 = 4 slots = body 2 slots
    // twice; two decorations in the body count 2 * 2 each.
    DecoSet body;
    body.place(Body, d, 1);
    body.place(Body, d, 1);
    ASSERT_EQ(out.hits.size(), 1u);
    EXPECT_EQ(out.hits[0], makeHit({0, 1, 1, 0, 0}, body));
    EXPECT_EQ(out.tested, 4u);
}

TEST(DecorationFitting, ExactKindIsMetByArmourAlone) {
    CatalogueBuilder b;
    const int a = b.system("A");
    const int s = b.system("B");
    const int want = b.skill(a, kEqual, 3);
    b.piece(Leg, makePiece(0, 0, {{a, 1}}));
    b.piece(Body, makePiece(3, 0, {{a, 3}}));
    b.piece(Body, makePiece(3, 0, {{a, 2}}));
    b.deco(1, {s, 1}, {a, -1});  // could bring 4 down to 3
    b.deco(1, {a, 1});           // could bring 2 up to 3
    const Catalogue cat = b.build();

    SearchCondition cond = conditionFor({want});
    cond.useDecorations = true;
    cond.allPieces = true;
    const auto out = runReference(cat, cond);
    ASSERT_EQ(out.hits.size(), 2u);
    EXPECT_EQ(out.hits[0], makeHit({0, 0, 1, 0, 0}));
    EXPECT_EQ(out.hits[1], makeHit({1, 0, 2, 0, 0}));
    EXPECT_EQ(out.tested, 6u);
}

// Weapon slots only: the armour pieces have none.
Catalogue weaponOnlyCatalogue(SkillPoints main, SkillPoints second, int& want, int& deco) {
    CatalogueBuilder b;
    const int a = b.system("A");
    b.system("B");
    want = b.skill(a, kGreaterEqual, 2);
    if (main.system < 0) main.system = a;
    if (second.system < 0) second.system = a;
    deco = b.deco(1, main, second);
    return b.build();
}

TEST(DecorationFitting, GreedyFillsTheWeaponLast) {
    int want = 0, y = 0;
    const Catalogue cat = weaponOnlyCatalogue({-1, 1}, {}, want, y);
    SearchCondition cond = conditionFor({want});
    cond.useDecorations = true;
    cond.weaponSlots = 2;
    const auto out = runReference(cat, cond);
    DecoSet weapon;
    weapon.place(Weapon, y, 1);
    weapon.place(Weapon, y, 1);
    ASSERT_EQ(out.hits.size(), 1u);
    EXPECT_EQ(out.hits[0], makeHit({0, 0, 0, 0, 0}, weapon));
}

TEST(DecorationFitting, ForcedFirstDecorationNeverGoesIntoTheWeapon) {
    // X = B+5 with A+1 second: the fill takes B's 5 off A's need after one X,
    // so only an X forced beforehand could make A 2, and the armour has no slot.
    int want = 0, x = 0;
    const Catalogue cat = weaponOnlyCatalogue({2, 5}, {-1, 1}, want, x);
    SearchCondition cond = conditionFor({want});
    cond.useDecorations = true;
    cond.weaponSlots = 2;
    const auto out = runReference(cat, cond);
    EXPECT_TRUE(out.hits.empty());
    EXPECT_EQ(out.tested, 1u);
}

TEST(DecorationFitting, SecondSkillLowersAnotherWantedSkillsNeed) {
    CatalogueBuilder b;
    const int a = b.system("A");
    const int s = b.system("B");
    const int wantB = b.skill(s, kGreaterEqual, 1);
    const int wantA = b.skill(a, kGreaterEqual, 2);
    b.piece(Leg, makePiece(1, 0));
    b.piece(Head, makePiece(1, 0));
    b.deco(1, {s, 1});
    const int w = b.deco(1, {a, 2}, {s, 1});
    const Catalogue cat = b.build();

    SearchCondition cond = conditionFor({wantA, wantB});
    cond.useDecorations = true;
    cond.fixed = {true, true, false, false, false};
    cond.fixedPiece = {1, 1, 0, 0, 0};
    const auto out = runReference(cat, cond);
    // W alone meets both; the B decoration is never added to the head.
    DecoSet leg;
    leg.place(Leg, w, 1);
    ASSERT_EQ(out.hits.size(), 1u);
    EXPECT_EQ(out.hits[0], makeHit({1, 1, 0, 0, 0}, leg));
}

TEST(DecorationFitting, OdometerSkipsTheFirstEntriesOfAList) {
    CatalogueBuilder b;
    const int a = b.system("A");
    const int s = b.system("B");
    const int want = b.skill(a, kGreaterEqual, 2);
    b.piece(Leg, makePiece(1, 0));
    b.deco(1, {s, 5}, {a, 1});  // first in A's list (equal A points, table order)
    const int z = b.deco(1, {a, 1});
    const Catalogue cat = b.build();

    SearchCondition cond = conditionFor({want});
    cond.useDecorations = true;
    cond.weaponSlots = 1;
    cond.fixed[Leg] = true;
    cond.fixedPiece[Leg] = 1;
    const auto out = runReference(cat, cond);
    DecoSet layout;
    layout.place(Leg, z, 1);
    layout.place(Weapon, z, 1);
    ASSERT_EQ(out.hits.size(), 1u);
    EXPECT_EQ(out.hits[0], makeHit({1, 0, 0, 0, 0}, layout));
}

TEST(DecorationFitting, FixedDecorationsStayAndAreNotCountedTwice) {
    CatalogueBuilder b;
    const int a = b.system("A");
    const int want = b.skill(a, kGreaterEqual, 4);
    b.piece(Body, makePiece(1, 0));
    b.piece(Leg, makePiece(1, 0, {{a, 1}}));
    const int d = b.deco(1, {a, 2});
    const Catalogue cat = b.build();

    SearchCondition cond = conditionFor({want});
    cond.useDecorations = true;
    cond.fixDecorations = true;
    cond.fixed[Body] = true;
    cond.fixedPiece[Body] = 1;
    cond.fixedDecos.place(Body, d, 1);
    const auto out = runReference(cat, cond);
    // Leg 0: fixed 2 points, need 2, no free slot: no hit. Leg 1: 3 points,
    // one more decoration in the leg.
    DecoSet layout = cond.fixedDecos;
    layout.place(Leg, d, 1);
    ASSERT_EQ(out.hits.size(), 1u);
    EXPECT_EQ(out.hits[0], makeHit({1, 0, 1, 0, 0}, layout));
    EXPECT_EQ(out.tested, 2u);
}

TEST(DecorationFitting, ArmourHitCarriesTheFixedDecorationsOnlyWhenFixed) {
    CatalogueBuilder b;
    const int a = b.system("A");
    const int s = b.system("B");
    const int want = b.skill(a, kGreaterEqual, 1);
    b.piece(Leg, makePiece(1, 0, {{a, 1}}));
    const int d = b.deco(1, {s, 1});
    const Catalogue cat = b.build();

    SearchCondition cond = conditionFor({want});
    cond.useDecorations = true;
    cond.fixed[Leg] = true;
    cond.fixedPiece[Leg] = 1;
    cond.fixedDecos.place(Leg, d, 1);
    const auto loose = runReference(cat, cond);
    ASSERT_EQ(loose.hits.size(), 1u);
    EXPECT_EQ(loose.hits[0], makeHit({1, 0, 0, 0, 0}));

    cond.fixDecorations = true;
    const auto fixed = runReference(cat, cond);
    ASSERT_EQ(fixed.hits.size(), 1u);
    EXPECT_EQ(fixed.hits[0], makeHit({1, 0, 0, 0, 0}, cond.fixedDecos));
}

}  // namespace
}  // namespace vk
