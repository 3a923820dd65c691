// Checking and gathering the search page's conditions.

#include <gtest/gtest.h>

#include "core/search/condition/condition_check.h"
#include "core/search/condition/condition_enabling.h"
#include "core/search/condition/condition_gather.h"
#include "core/search/search_fixture.h"
#include "core/text/sjis.h"

namespace vk {
namespace {

using search_test::CatalogueBuilder;

// Activations 1 and 2 test system A, 3 tests system B.
Catalogue twoSystemCatalogue() {
    CatalogueBuilder b;
    const int a = b.system("A");
    const int s = b.system("B");
    b.skill(a, kGreaterEqual, 10);
    b.skill(a, kGreaterEqual, 15);
    b.skill(s, kGreaterEqual, 10);
    return b.build();
}

void expectMessage(const std::optional<UserMessage>& m, const char* caption, const char* text) {
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->caption, utf8ToSjis(caption));
    EXPECT_EQ(m->text, utf8ToSjis(text));
}

TEST(ConditionCheck, RefusalsInOrder) {
    const Catalogue cat = twoSystemCatalogue();
    // The start-up error comes first, even without any skill.
    expectMessage(checkSearchRequest(cat, true, {1, 3, 0, 0, 0}), "エラー",
                  "起動時にエラーが発生したため利用できません。");
    expectMessage(checkSearchRequest(cat, true, {0, 0, 0, 0, 0}), "エラー",
                  "起動時にエラーが発生したため利用できません。");
    expectMessage(checkSearchRequest(cat, false, {0, 0, 0, 0, 0}), "CAUTION", "スキルを選択してください");
    expectMessage(checkSearchRequest(cat, false, {-1, -1, -1, -1, -1}), "CAUTION", "スキルを選択してください");
    // Two activations of one system, and one activation twice.
    expectMessage(checkSearchRequest(cat, false, {1, 0, 2, 0, 0}), "CAUTION", "同系統のスキルは複数選択できません");
    expectMessage(checkSearchRequest(cat, false, {3, 0, 0, 0, 3}), "CAUTION", "同系統のスキルは複数選択できません");
    // A table left without rows by an empty data file: as the start-up error.
    Catalogue noLegs = cat;
    noLegs.equip[Leg].clear();
    expectMessage(checkSearchRequest(noLegs, false, {1, 3, 0, 0, 0}), "エラー",
                  "起動時にエラーが発生したため利用できません。");
}

TEST(ConditionCheck, AcceptsDistinctSystemsInAnyBoxes) {
    const Catalogue cat = twoSystemCatalogue();
    EXPECT_FALSE(checkSearchRequest(cat, false, {1, 3, 0, 0, 0}).has_value());
    EXPECT_FALSE(checkSearchRequest(cat, false, {-1, 0, 2, -1, 3}).has_value());
    EXPECT_FALSE(checkSearchRequest(cat, false, {0, 0, 0, 0, 2}).has_value());
}

TEST(ConditionGather, OnlyLastBoxGoesFirstForTheEngine) {
    const Catalogue cat = twoSystemCatalogue();
    ConditionForm form;
    form.skillBoxes = {0, -1, 0, 0, 3};
    const GatheredCondition g = gatherCondition(cat, form);
    EXPECT_EQ(g.engine.wanted, (std::array<int, 5>{3, 0, 0, 0, 0}));
    EXPECT_EQ(g.engine.wantedCount, 1);
    EXPECT_EQ(g.window.wanted, (std::array<int, 5>{0, 0, 0, 0, 3}));
    EXPECT_EQ(g.window.wantedCount, 1);

    form.skillBoxes = {1, 0, 3, 0, 2};
    const GatheredCondition two = gatherCondition(cat, form);
    EXPECT_EQ(two.engine.wanted, (std::array<int, 5>{3, 2, 1, 0, 0}));
    EXPECT_EQ(two.engine.wantedCount, 3);
    EXPECT_EQ(two.window.wanted, (std::array<int, 5>{1, 0, 3, 0, 2}));
}

TEST(ConditionGather, ControlValuesAndNumbers) {
    const Catalogue cat = twoSystemCatalogue();
    ConditionForm form;
    form.skillBoxes = {1, 0, 0, 0, 0};
    form.sexItem = 1;
    form.typeItem = 1;
    form.rareItem = 6;
    form.weponItem = 2;
    form.priorityItem = 4;
    form.isDecoration = true;
    form.isPossession = true;
    form.threeSlotPieces = true;
    form.allEquip = true;
    form.hitLimitText = "abc";
    form.defText = "x";
    const SearchCondition c = gatherCondition(cat, form).engine;
    EXPECT_EQ(c.sex, 2);
    EXPECT_EQ(c.type, 2);
    EXPECT_EQ(c.rarityLimit, 6);
    EXPECT_EQ(c.weaponSlots, 2);
    EXPECT_EQ(c.Priority, 4);
    EXPECT_TRUE(c.useDecorations && c.possessions && c.threeSlotPieces && c.allPieces);
    EXPECT_FALSE(c.fixDecorations || c.Interrupted);
    EXPECT_EQ(c.HitLimit, 100000);
    EXPECT_EQ(c.minDefence, 0);

    form.hitLimitText = "-1";
    form.defText = "+250";
    const SearchCondition d = gatherCondition(cat, form).engine;
    EXPECT_EQ(d.HitLimit, -1);
    EXPECT_EQ(d.minDefence, 250);
}

TEST(ConditionGather, FixedDecorationsOnlyForCheckedParts) {
    const Catalogue cat = twoSystemCatalogue();
    ConditionForm form;
    form.skillBoxes = {1, 0, 0, 0, 0};
    form.fixEquip.piece = {4, 5, 6, 7, 8};
    DecoSet& d = form.fixEquip.decos;
    d.place(Leg, 1, 1);
    d.place(Body, 2, 1);
    d.place(Body, 3, 2);
    d.place(Wst, 4, 3);
    d.place(Weapon, 5, 1);
    form.fixedChecks = {false, false, true, false, true};  // Body and Wst checked
    form.fixDeco = true;

    const SearchCondition c = gatherCondition(cat, form).engine;
    EXPECT_EQ(c.fixedPiece, (std::array<int, 5>{4, 5, 6, 7, 8}));
    EXPECT_EQ(c.fixed, (std::array<bool, 5>{false, false, true, false, true}));
    EXPECT_TRUE(c.fixDecorations);
    EXPECT_EQ(c.allFixedDecos, d);

    DecoSet expected;
    expected.place(Body, 2, 1);
    expected.place(Body, 3, 2);
    expected.place(Wst, 4, 3);
    EXPECT_EQ(c.fixedDecos, expected);
    EXPECT_EQ(c.fixedDecos.DecoTotal, 3);
}

TEST(ConditionEnablingRules, FollowTheirBoxes) {
    const std::array<bool, 5> none{};
    const ConditionEnabling off = conditionEnabling(false, false, none);
    EXPECT_FALSE(off.wepon);
    EXPECT_FALSE(off.threeSlotPieces);
    EXPECT_TRUE(off.possession);
    EXPECT_FALSE(off.fixDeco);

    const ConditionEnabling deco = conditionEnabling(true, false, {false, false, false, false, true});
    EXPECT_TRUE(deco.wepon);
    EXPECT_TRUE(deco.threeSlotPieces);
    EXPECT_TRUE(deco.possession);
    EXPECT_TRUE(deco.fixDeco);

    const ConditionEnabling all = conditionEnabling(true, true, {true, false, false, false, false});
    EXPECT_TRUE(all.wepon);
    EXPECT_FALSE(all.threeSlotPieces);
    EXPECT_FALSE(all.possession);
    EXPECT_TRUE(all.fixDeco);
}

}  // namespace
}  // namespace vk
