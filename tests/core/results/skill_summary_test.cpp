#include <gtest/gtest.h>

#include "core/results/hand_catalogue.h"
#include "core/results/skill_summary.h"

namespace vk {
namespace {

using namespace vk::test;

// Head and Arm are torso-up pieces; the body carries 攻撃 +3 and 防御 -1.
// Decorations: 1 = 攻撃珠 (攻撃 +1, 防御 -1), 2 = 体力珠 (体力 +2, 攻撃 0).
class TorsoUpSummary : public ::testing::Test {
protected:
    void SetUp() override {
        c = baseCatalogue();
        c.equip[Head].push_back(piece("頭", {}, {{kTorso, 0}}));
        c.equip[Arm].push_back(piece("腕", {}, {{kTorso, 0}}));
        c.equip[Body].push_back(piece("胴", {}, {{kAttack, 3}, {kGuard, -1}}));
        c.equip[Leg].push_back(piece("脚", {}, {{kAttack, 2}}));
        c.equip[Wst].push_back(piece("腰", {}, {{kAttack, 1}, {kTorso, 0}}));  // torso-up only as second skill
        c.decos.push_back(deco("攻撃珠", 1, {kAttack, 1}, {kGuard, -1}));
        c.decos.push_back(deco("体力珠", 1, {kStamina, 2}, {kAttack, 0}));
        set.pieces = {1, 1, 1, 1, 1};
        set.decos.place(Body, 1, 1);
        set.decos.place(Weapon, 1, 1);
    }
    Catalogue c;
    ShownSet set;
    SkillSummary s;
};

TEST_F(TorsoUpSummary, TwoTorsoUpPiecesTripleTheBodyAndItsDecorationsButNotTheWeapons) {
    RunSkillSummary(c, set, s);
    EXPECT_EQ(s.bodyFactor, 3);  // Head and Arm; the waist lists torso-up second
    // 攻撃: leg 2 + body 3×3 + body decoration 1×3 + waist 1 + weapon decoration 1.
    EXPECT_EQ(s.points[kAttack][kSummaryTotal], 16);
    EXPECT_EQ(s.points[kAttack][summaryColumn(Body)], 12);
    EXPECT_EQ(s.points[kAttack][summaryColumn(Weapon)], 1);
    EXPECT_EQ(s.points[kAttack][summaryColumn(Leg)], 2);
    EXPECT_EQ(s.points[kAttack][summaryColumn(Wst)], 1);
    // 防御: body -1×3, body decoration -1×3, weapon decoration -1.
    EXPECT_EQ(s.points[kGuard][kSummaryTotal], -7);
    EXPECT_EQ(s.points[kGuard][summaryColumn(Body)], -6);
    EXPECT_FALSE(s.seen[kAttack][summaryColumn(Head)]);
    EXPECT_FALSE(s.seen[kAttack][summaryColumn(Arm)]);
}

TEST_F(TorsoUpSummary, OnlyTheFirstSkillDecidesTorsoUp) {
    c.equip[Head][1] = piece("頭", {}, {{kAttack, 0}, {kTorso, 0}});
    c.equip[Arm][1] = piece("腕", {}, {{kGuard, 0}, {kTorso, 0}});
    RunSkillSummary(c, set, s);
    EXPECT_EQ(s.bodyFactor, 1);
    EXPECT_EQ(s.points[kAttack][summaryColumn(Body)], 4);  // 3 + decoration 1, single
    EXPECT_TRUE(s.seen[kTorso][summaryColumn(Wst)]);
}

TEST_F(TorsoUpSummary, ZeroPointsStillTouchTheSystemAndThePart) {
    set.decos.place(Head, 2, 1);  // 体力珠: its 攻撃 0 touches 攻撃 in the head
    RunSkillSummary(c, set, s);
    EXPECT_TRUE(s.seen[kAttack][summaryColumn(Head)]);
    EXPECT_EQ(s.points[kAttack][summaryColumn(Head)], 0);
    EXPECT_TRUE(s.seen[kStamina][summaryColumn(Head)]);
    EXPECT_EQ(s.points[kStamina][kSummaryTotal], 2);
    EXPECT_FALSE(s.seen[kStamina][summaryColumn(Body)]);
}

TEST_F(TorsoUpSummary, PiecesAndDecorationsOutsideTheirTablesAddNothing) {
    set.pieces[Head] = 9;  // no such row: the head is no torso-up piece now
    set.pieces[Leg] = -1;
    set.decos.place(Wst, 42, 1);
    RunSkillSummary(c, set, s);
    EXPECT_EQ(s.bodyFactor, 2);
    EXPECT_EQ(s.points[kAttack][kSummaryTotal], 3 * 2 + 1 * 2 + 1 + 1);
    EXPECT_FALSE(s.seen[kTorso][summaryColumn(Head)]);
    EXPECT_FALSE(s.seen[kAttack][summaryColumn(Leg)]);
}

// Activations of 攻撃 at 10 and 15 on consecutive lines, then 防御 <= -5.
class ActivationChain : public ::testing::Test {
protected:
    void SetUp() override {
        c = baseCatalogue();
        c.skillEqs.push_back(activation("攻撃小", kAttack, kGreaterEqual, 10));
        c.skillEqs.push_back(activation("攻撃大", kAttack, kGreaterEqual, 15));
        c.skillEqs.push_back(activation("防御弱", kGuard, kLessEqual, -5));
    }
    PointTable totals(int attack, int guard) const {
        PointTable t(c.skillTypes.size());
        t[kAttack][kSummaryTotal] = attack;
        t[kGuard][kSummaryTotal] = guard;
        return t;
    }
    Catalogue c;
};

TEST_F(ActivationChain, TheStrongerActiveLevelHidesTheOneJustBeforeIt) {
    EXPECT_EQ(ActivationsFor(c, totals(16, 0)), (Activated{0, 0, 1, 0}));
    EXPECT_EQ(ActivationsFor(c, totals(12, 0)), (Activated{0, 1, 0, 0}));
    EXPECT_EQ(ActivationsFor(c, totals(9, -5)), (Activated{0, 0, 0, 1}));
}

TEST_F(ActivationChain, OnlyTheImmediatePredecessorIsSwitchedOff) {
    // An inactive 攻撃 line between the two levels breaks the chain.
    c.skillEqs.insert(c.skillEqs.begin() + 2, activation("攻撃減", kAttack, kLess, 0));
    EXPECT_EQ(ActivationsFor(c, totals(16, 0)), (Activated{0, 1, 0, 1, 0}));
    // Three active levels in a row leave only the last.
    c.skillEqs[2] = activation("攻撃中", kAttack, kGreater, 11);
    EXPECT_EQ(ActivationsFor(c, totals(16, 0)), (Activated{0, 0, 0, 1, 0}));
}

TEST_F(ActivationChain, EveryKindComparesAndUnknownKindsNeverFire) {
    c.skillEqs = {activation("", 0, kEqual, 9999), activation("eq", kAttack, kEqual, 7),
                  activation("lt", kGuard, kLess, 7), activation("gt", kStamina, kGreater, 7),
                  activation("odd", kTorso, 9, 0)};
    PointTable t(c.skillTypes.size());
    t[kAttack][kSummaryTotal] = 7;
    t[kGuard][kSummaryTotal] = 7;
    t[kStamina][kSummaryTotal] = 7;
    EXPECT_EQ(ActivationsFor(c, t), (Activated{0, 1, 0, 0, 0}));
}

TEST_F(ActivationChain, SummaryMarksWhatTheSetActivates) {
    c.equip[Body].push_back(piece("胴", {}, {{kAttack, 8}, {kGuard, -5}}));
    c.equip[Head].push_back(piece("頭", {}, {{kTorso, 1}}));
    ShownSet set;
    set.pieces[Body] = 1;
    set.pieces[Head] = 1;
    SkillSummary s;
    RunSkillSummary(c, set, s);  // 攻撃 16, 防御 -10
    EXPECT_EQ(s.activated, (Activated{0, 0, 1, 1}));
}

}  // namespace
}  // namespace vk
