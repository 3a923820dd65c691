// The armour test (torso-up, fixed decorations, needs by kind) and the slot
// estimate that precedes decoration fitting.

#include <gtest/gtest.h>

#include "core/search/engine/armour_eval.h"
#include "core/search/reference/deco_fitting.h"
#include "core/search/search_fixture.h"

namespace vk {
namespace {

using search_test::CatalogueBuilder;
using search_test::conditionFor;
using search_test::makePiece;

struct TorsoCatalogue {
    Catalogue cat;
    int a = 0, b = 0, t = 0;
    int aAtLeast20 = 0, bAtMostMinus3 = 0, aExactly7 = 0;
    int decoAB = 0, decoA = 0;
};

TorsoCatalogue torsoCatalogue() {
    CatalogueBuilder bld;
    TorsoCatalogue c;
    c.a = bld.system("A");
    c.b = bld.system("B");
    c.t = bld.torsoUpSystem();
    c.aAtLeast20 = bld.skill(c.a, kGreaterEqual, 20);
    c.bAtMostMinus3 = bld.skill(c.b, kLessEqual, -3);
    c.aExactly7 = bld.skill(c.a, kEqual, 7);
    // Body 1 lists A twice: the second entry is the one a torso-up piece repeats.
    bld.piece(Body, makePiece(2, 10, {{c.a, 4}, {c.a, 3}, {c.b, -1}}));
    bld.piece(Head, makePiece(0, 10, {{c.t, 0}}));
    bld.piece(Arm, makePiece(0, 10, {{c.a, 1}, {c.t, 0}}));
    bld.piece(Leg, makePiece(1, 10, {{c.b, -2}, {c.t, 0}}));
    bld.piece(Leg, makePiece(0, 10, {{c.a, 7}}));
    c.decoAB = bld.deco(1, {c.a, 2}, {c.b, -1});
    c.decoA = bld.deco(1, {c.a, 1});
    c.cat = bld.build();
    return c;
}

TEST(EvaluateArmour, TorsoUpEntriesRepeatTheBodysLastEntryPerSystem) {
    const TorsoCatalogue c = torsoCatalogue();
    const SearchCondition cond = conditionFor({c.bAtMostMinus3, c.aAtLeast20});
    const WantedSkills wanted = wantedSkills(c.cat, cond);
    // Body: A 4+3 = 7, B -1, and bodyPts A 3, B -1. Leg: B -2 and a torso-up
    // entry; Head: torso-up; Arm: A +1 and torso-up. Three torso-up entries:
    // A 7 + 1 + 3 * 3 = 17, B -1 - 2 + 3 * -1 = -6, BodyFactor 4.
    const ArmourEval ev = evaluateArmour(c.cat, wanted, cond, Pieces{1, 1, 1, 1, 0});
    EXPECT_EQ(ev.bodyFactor, 4);
    EXPECT_EQ(ev.need[0], -3 - -6);  // met: -6 <= -3
    EXPECT_EQ(ev.need[1], 20 - 17);  // missing 3
    EXPECT_FALSE(ev.success);
    EXPECT_EQ(ev.fixedDecoPoints, (std::array<int, 5>{}));
}

TEST(EvaluateArmour, FixedDecorationsCountOnlyWhenFixedAndBodyOnesTimesBodyFactor) {
    const TorsoCatalogue c = torsoCatalogue();
    SearchCondition cond = conditionFor({c.bAtMostMinus3, c.aAtLeast20});
    cond.fixedDecos.place(Body, c.decoAB, 1);
    cond.fixedDecos.place(Weapon, c.decoA, 1);
    const WantedSkills wanted = wantedSkills(c.cat, cond);
    const Pieces pieces{1, 1, 1, 1, 0};

    const ArmourEval loose = evaluateArmour(c.cat, wanted, cond, pieces);
    EXPECT_EQ(loose.need[1], 3);
    EXPECT_FALSE(loose.success);

    cond.fixDecorations = true;
    const ArmourEval fixed = evaluateArmour(c.cat, wanted, cond, pieces);
    // Body decoration A+2 B-1 times 4, weapon decoration A+1 once.
    EXPECT_EQ(fixed.fixedDecoPoints, (std::array<int, 5>{-4, 9, 0, 0, 0}));
    EXPECT_EQ(fixed.need[1], 20 - 26);
    EXPECT_EQ(fixed.need[0], -3 - -10);
    EXPECT_TRUE(fixed.success);
}

TEST(EvaluateArmour, ExactKindMetOnlyAtTheThreshold) {
    const TorsoCatalogue c = torsoCatalogue();
    const SearchCondition cond = conditionFor({c.aExactly7});
    const WantedSkills wanted = wantedSkills(c.cat, cond);
    const ArmourEval seven = evaluateArmour(c.cat, wanted, cond, Pieces{2, 0, 0, 0, 0});
    EXPECT_TRUE(seven.success);
    EXPECT_EQ(seven.need[0], 0);
    const ArmourEval eight = evaluateArmour(c.cat, wanted, cond, Pieces{2, 0, 0, 1, 0});
    EXPECT_FALSE(eight.success);
    EXPECT_EQ(eight.need[0], 0);
}

TEST(EvaluateArmour, NeedByKind) {
    EXPECT_EQ(needFor(kGreaterEqual, 4, 10), 6);
    EXPECT_EQ(needFor(kGreater, 4, 10), 7);
    EXPECT_EQ(needFor(kGreater, 10, 10), 1);
    EXPECT_EQ(needFor(kLessEqual, -1, -5), -4);
    EXPECT_EQ(needFor(kLess, -1, -5), -5);
    EXPECT_EQ(needFor(kLess, -6, -5), 0);
    EXPECT_EQ(needFor(kEqual, 3, 10), 0);
}

struct EstimateCatalogue {
    Catalogue cat;
    int aAtLeast10 = 0, bAtMostMinus3 = 0, aExactly7 = 0;
};

EstimateCatalogue estimateCatalogue() {
    CatalogueBuilder bld;
    EstimateCatalogue c;
    const int a = bld.system("A");
    const int b = bld.system("B");
    const int t = bld.torsoUpSystem();
    c.aAtLeast10 = bld.skill(a, kGreaterEqual, 10);
    c.bAtMostMinus3 = bld.skill(b, kLessEqual, -3);
    c.aExactly7 = bld.skill(a, kEqual, 7);
    bld.piece(Body, makePiece(2, 0));
    bld.piece(Head, makePiece(0, 0, {{t, 0}}));
    bld.piece(Leg, makePiece(1, 0));
    bld.deco(1, {a, 2});          // A: 0.5 slots per point
    bld.deco(1, {a, 1}, {b, 2});  // B second skill: 1 / 2 = 0.5, above -3
    c.cat = bld.build();
    return c;
}

TEST(Estimate, CapacityCountsTheBodyBodyFactorTimes) {
    const EstimateCatalogue c = estimateCatalogue();
    const SearchCondition cond = conditionFor({c.aAtLeast10});
    const WantedSkills wanted = wantedSkills(c.cat, cond);
    ArmourEval ev;
    ev.bodyFactor = 2;
    ev.need[0] = 8;  // 4 slots; body 2 slots twice
    EXPECT_TRUE(estimateFeasible(c.cat, wanted, ev, Pieces{0, 1, 1, 0, 0}, 0));
    ev.need[0] = 9;  // 4.5 slots
    EXPECT_FALSE(estimateFeasible(c.cat, wanted, ev, Pieces{0, 1, 1, 0, 0}, 0));
    EXPECT_TRUE(estimateFeasible(c.cat, wanted, ev, Pieces{1, 1, 1, 0, 0}, 0));
    ev.bodyFactor = 1;
    ev.need[0] = 8;
    EXPECT_FALSE(estimateFeasible(c.cat, wanted, ev, Pieces{0, 1, 1, 0, 0}, 0));
    EXPECT_TRUE(estimateFeasible(c.cat, wanted, ev, Pieces{0, 1, 1, 0, 0}, 2));
}

TEST(Estimate, NoSlotsRejectsAMissingPointOnly) {
    const EstimateCatalogue c = estimateCatalogue();
    const SearchCondition cond = conditionFor({c.aAtLeast10});
    const WantedSkills wanted = wantedSkills(c.cat, cond);
    ArmourEval ev;
    ev.need[0] = 1;
    EXPECT_FALSE(estimateFeasible(c.cat, wanted, ev, Pieces{}, 0));
    EXPECT_TRUE(estimateFeasible(c.cat, wanted, ev, Pieces{}, 1));
    ev.need[0] = 0;
    EXPECT_TRUE(estimateFeasible(c.cat, wanted, ev, Pieces{}, 0));

    const SearchCondition exact = conditionFor({c.aExactly7});
    ev.need[0] = 0;
    EXPECT_TRUE(estimateFeasible(c.cat, wantedSkills(c.cat, exact), ev, Pieces{}, 0));
}

TEST(Estimate, ShedSlotsWithAPositiveRatioCanReject) {
    const EstimateCatalogue c = estimateCatalogue();
    const SearchCondition cond = conditionFor({c.bAtMostMinus3});
    const WantedSkills wanted = wantedSkills(c.cat, cond);
    ArmourEval ev;
    ev.need[0] = -3;  // shedSlots = -3 * 0.5 = -1.5
    EXPECT_FALSE(estimateFeasible(c.cat, wanted, ev, Pieces{1, 0, 0, 0, 0}, 0));
    EXPECT_TRUE(estimateFeasible(c.cat, wanted, ev, Pieces{1, 0, 0, 0, 0}, 1));
}

}  // namespace
}  // namespace vk
