#include <cmath>

#include <gtest/gtest.h>

#include "core/catalogue/slot_tables.h"

namespace {

vk::Deco deco(int slots, vk::SkillPoints first, vk::SkillPoints second = {}) {
    vk::Deco d;
    d.slots = slots;
    d.skill = {first, second};
    return d;
}

TEST(SlotTables, ThreeSlotPiecesInTableOrder) {
    std::vector<vk::Equip> pieces(6);
    const int slots[] = {0, 3, 2, 3, 4, 1};
    for (int i = 0; i < 6; ++i) pieces[i].slots = slots[i];
    EXPECT_EQ(vk::threeSlotPieces(pieces), (std::vector<int>{1, 3, 4}));
    EXPECT_TRUE(vk::threeSlotPieces({}).empty());
}

TEST(SlotTables, SlotsPerPointTakesTheBestRatioOfEachSystem) {
    enum { kNone, kAttack, kGuard, kSharp, kUnused };
    vk::Catalogue cat;
    cat.skillTypes = {"none", "attack", "guard", "sharp", "unused"};
    cat.decos = {
        deco(1, {kAttack, 5}),                  // row 0 is the empty slot: ignored
        deco(1, {kAttack, 2}, {kGuard, -1}),    // attack 0.5, guard minus -1
        deco(3, {kAttack, 4}, {kGuard, -2}),    // 0.75 is worse; -1.5 is lower than -1
        deco(2, {kSharp, 0}, {kGuard, 0}),      // zero points: no ratio, no inf
        deco(2, {kGuard, 3}, {kNone, -5}),      // guard 0.667; system 0 in entry 1 is skipped
        deco(1, {-1, 2}, {7, -1}),              // unknown systems: skipped
        deco(3, {kSharp, 1}, {kAttack, 2}),     // sharp 3.0 is worse than 1.0; attack minus 1.5 > -3
    };
    vk::computeSlotRatios(cat);
    ASSERT_EQ(cat.slotsPerPoint.size(), 5u);
    ASSERT_EQ(cat.slotsPerMinusPoint.size(), 5u);
    EXPECT_FLOAT_EQ(cat.slotsPerPoint[kAttack], 0.5f);
    EXPECT_FLOAT_EQ(cat.slotsPerPoint[kGuard], 2.0f / 3.0f);
    EXPECT_FLOAT_EQ(cat.slotsPerPoint[kSharp], 1.0f);
    EXPECT_FLOAT_EQ(cat.slotsPerPoint[kUnused], 1.0f);
    EXPECT_FLOAT_EQ(cat.slotsPerMinusPoint[kGuard], -1.0f);
    EXPECT_FLOAT_EQ(cat.slotsPerMinusPoint[kAttack], 1.5f);
    EXPECT_FLOAT_EQ(cat.slotsPerMinusPoint[kSharp], -3.0f);
    EXPECT_FLOAT_EQ(cat.slotsPerMinusPoint[kUnused], -3.0f);
    EXPECT_FLOAT_EQ(cat.slotsPerMinusPoint[kNone], 0.0f);
    for (std::size_t s = 0; s < 5; ++s) {
        EXPECT_TRUE(std::isfinite(cat.slotsPerPoint[s])) << s;
        EXPECT_TRUE(std::isfinite(cat.slotsPerMinusPoint[s])) << s;
    }
}

}  // namespace
