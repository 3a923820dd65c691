#include <vector>

#include <gtest/gtest.h>

#include "core/catalogue/skill_index.h"

namespace {

using vk::Catalogue;
using vk::Head;
using List = std::vector<int>;

constexpr int kNone = 0, kAttack = 1, kGuard = 2, kTorso = 3;

vk::Equip piece(std::initializer_list<vk::SkillPoints> skills) {
    vk::Equip e;
    int j = 0;
    for (const vk::SkillPoints& s : skills) e.skill[j++] = s;
    return e;
}

vk::Deco deco(vk::SkillPoints first, vk::SkillPoints second = {}) {
    vk::Deco d;
    d.slots = 1;
    d.skill = {first, second};
    return d;
}

Catalogue fourSystems() {
    Catalogue cat;
    cat.skillTypes = {"none", "attack", "guard", "torso"};
    cat.torsoUpSystem = kTorso;
    return cat;
}

TEST(SkillIndex, PlusListsDescendMinusListsAscendAndEqualPointsKeepTableOrder) {
    Catalogue cat = fourSystems();
    auto& head = cat.equip[Head];
    head.push_back(piece({}));
    // Enough equal keys that an unstable sort would reorder them.
    for (int i = 1; i <= 60; ++i) head.push_back(piece({{kAttack, i % 3 + 1}, {kGuard, -(i % 2) - 1}}));
    head.push_back(piece({{kAttack, 0}}));  // 61: zero points go to the minus list

    EXPECT_FALSE(vk::buildPartSkillIndex(cat, Head).has_value());
    const auto& lists = cat.skillIndex[Head];
    ASSERT_EQ(lists.size(), 4u);

    List plusAttack, minusGuard;
    for (int points = 3; points >= 1; --points)
        for (int i = 1; i <= 60; ++i)
            if (i % 3 + 1 == points) plusAttack.push_back(i);
    for (int points = -2; points <= -1; ++points)
        for (int i = 1; i <= 60; ++i)
            if (-(i % 2) - 1 == points) minusGuard.push_back(i);
    EXPECT_EQ(lists[kAttack].plus, plusAttack);
    EXPECT_EQ(lists[kAttack].minus, List{61});
    EXPECT_EQ(lists[kGuard].minus, minusGuard);
    EXPECT_TRUE(lists[kGuard].plus.empty());
    EXPECT_TRUE(lists[kNone].plus.empty() && lists[kNone].minus.empty());  // system 0 is never indexed
    EXPECT_TRUE(lists[kTorso].plus.empty());
}

TEST(SkillIndex, SameSystemTwiceStandsTwiceAndSortsByItsFirstEntry) {
    Catalogue cat = fourSystems();
    auto& head = cat.equip[Head];
    head = {piece({}),
            piece({{kAttack, 2}, {kAttack, 4}}),   // 1: twice in plus, both at 2 points
            piece({{kAttack, 3}}),                 // 2
            piece({{kAttack, 5}, {kAttack, -4}}),  // 3: plus and minus, sorted by 5
            piece({{kAttack, -1}})};               // 4
    EXPECT_FALSE(vk::buildPartSkillIndex(cat, Head).has_value());
    EXPECT_EQ(cat.skillIndex[Head][kAttack].plus, (List{3, 2, 1, 1}));
    EXPECT_EQ(cat.skillIndex[Head][kAttack].minus, (List{4, 3}));
}

TEST(SkillIndex, TorsoUpPieceStandsInBothListsOfEverySystem) {
    Catalogue cat = fourSystems();
    auto& head = cat.equip[Head];
    head = {piece({}), piece({{kAttack, 1}}), piece({{kGuard, 2}, {kTorso, 0}}), piece({{kGuard, -2}})};
    EXPECT_FALSE(vk::buildPartSkillIndex(cat, Head).has_value());
    const auto& lists = cat.skillIndex[Head];
    // Piece 2 has 0 points in attack: after the positive pieces, before none.
    EXPECT_EQ(lists[kAttack].plus, (List{1, 2}));
    EXPECT_EQ(lists[kAttack].minus, (List{2}));
    // In guard its own 2 points count: first in plus, last in minus.
    EXPECT_EQ(lists[kGuard].plus, (List{2, 2}));
    EXPECT_EQ(lists[kGuard].minus, (List{3, 2}));
    for (int s : {kNone, kTorso}) {
        EXPECT_EQ(lists[s].plus, List{2}) << s;
        EXPECT_EQ(lists[s].minus, List{2}) << s;
    }

    // Without a torso-up system, unused entries (system 0) make no torso-up piece.
    for (int torso : {-1, 0}) {
        cat.torsoUpSystem = torso;
        EXPECT_FALSE(vk::buildPartSkillIndex(cat, Head).has_value());
        EXPECT_EQ(lists[kAttack].plus, List{1}) << torso;
        EXPECT_TRUE(lists[kNone].plus.empty()) << torso;
    }
}

TEST(SkillIndex, UnknownSystemStopsThePartWithItsListsUnsorted) {
    Catalogue cat = fourSystems();
    auto& head = cat.equip[Head];
    head = {piece({}), piece({{kAttack, 1}}), piece({{kAttack, 5}}), piece({{kGuard, 1}, {-1, 3}}),
            piece({{kAttack, 9}})};
    EXPECT_EQ(vk::buildPartSkillIndex(cat, Head), "ERROR type -1, l 3, i 1, part 1");
    EXPECT_EQ(cat.skillIndex[Head][kAttack].plus, (List{1, 2}));  // not sorted, piece 4 never entered
    EXPECT_EQ(cat.skillIndex[Head][kGuard].plus, List{3});

    head[3].skill[1].system = 4;  // one past the last system
    EXPECT_EQ(vk::buildPartSkillIndex(cat, vk::Head), "ERROR type 4, l 3, i 1, part 1");
}

TEST(SkillIndex, DecorationsUseBothEntriesWithoutTheTorsoUpRule) {
    Catalogue cat = fourSystems();
    cat.decos = {deco({}), deco({kAttack, 1}, {kGuard, -1}), deco({kAttack, 2}, {kGuard, 0}), deco({kTorso, 1})};
    EXPECT_FALSE(vk::buildDecoSkillIndex(cat).has_value());
    const auto& lists = cat.decoSkillIndex;
    EXPECT_EQ(lists[kAttack].plus, (List{2, 1}));
    EXPECT_EQ(lists[kGuard].minus, (List{1, 2}));  // points below 1: -1 then 0
    EXPECT_EQ(lists[kTorso].plus, List{3});        // an ordinary system here
    EXPECT_TRUE(lists[kAttack].minus.empty());
    EXPECT_TRUE(lists[kNone].plus.empty());

    cat.decos[2].skill[1].system = -1;
    EXPECT_EQ(vk::buildDecoSkillIndex(cat), "ERROR type -1, l 2, i 1, DECO");
    EXPECT_EQ(cat.decoSkillIndex[kAttack].plus, (List{1, 2}));  // unsorted
}

}  // namespace
