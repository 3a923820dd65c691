#include <random>
#include <set>

#include <gtest/gtest.h>

#include "core/collections/myset_rules.h"
#include "core/results/hand_catalogue.h"
#include "core/results/hit_narrowing.h"

namespace vk {
namespace {

using namespace vk::test;

// Heads: 1 "頭B", 2 "頭A", 3 "頭A" (a second piece of the same name).
// Decorations: 1 "珠B" (one slot), 2 "珠A" (one slot).
Catalogue narrowingCatalogue() {
    Catalogue c = reportCatalogue();  // row 1 of every part, 攻撃珠 as decoration 1
    c.equip[Head] = {Equip{}, piece("頭B", {1, 20}), piece("頭A", {1, 11}), piece("頭A", {1, 12})};
    c.decos = {deco("空き", 0, {0, 0}), deco("珠B", 1, {kAttack, 1}), deco("珠A", 1, {kGuard, 1})};
    return c;
}

Result hit(int head, std::array<int, 3> headDecos, std::array<int, 3> weaponDecos, int body = 1) {
    Result r;
    r.Index = {1, head, body, 1, 1};
    for (int s = 0; s < 3; ++s) {
        r.Decos.DecoIndex[Head][s] = headDecos[s];
        r.Decos.DecoIndex[Weapon][s] = weaponDecos[s];
    }
    return r;
}

std::vector<int> highlightedRows(const HitNarrowing& n, int part) {
    std::vector<int> rows;
    for (int r = 0; r < n.rowCount(part); ++r)
        if (n.isHighlighted(part, r)) rows.push_back(r);
    return rows;
}

class Narrowing : public ::testing::Test {
protected:
    void SetUp() override {
        SearchCondition condition;
        condition.sex = 2;
        condition.type = 1;
        condition.weaponSlots = 2;
        // hit 0: 頭B, no decorations; weapon 珠A
        // hit 1: 頭A(3) with 珠B; weapon none
        // hit 2: 頭A(2) with 珠A; weapon 珠A; body piece 0
        // hit 3: 頭A(3), no decorations; weapon 珠B 珠B
        // hit 4: 頭A(3) with 珠B; weapon 珠A
        // hit 5: 頭A(2), no decorations; weapon none
        n.Fill(c, condition, {hit(1, {0, 0, 0}, {2, 0, 0}), hit(3, {1, 0, 0}, {0, 0, 0}),
                              hit(2, {2, 0, 0}, {2, 0, 0}, 0), hit(3, {0, 0, 0}, {1, 1, 0}),
                              hit(3, {1, 0, 0}, {2, 0, 0}), hit(2, {0, 0, 0}, {0, 0, 0})});
    }
    Catalogue c = narrowingCatalogue();
    HitNarrowing n;
};

TEST_F(Narrowing, FillOrdersArmourByNamesAndTheWeaponByFirstAppearance) {
    // Head rows by piece name, then decoration names ("空き" sorts before
    // "珠"); 頭A(3) and 頭A(2) without decorations tie on every name, so
    // their order of first appearance decides.
    const std::vector<EquipDeco> heads = {{Head, 3, {0, 0, 0}}, {Head, 2, {0, 0, 0}}, {Head, 2, {2, 0, 0}},
                                          {Head, 3, {1, 0, 0}}, {Head, 1, {0, 0, 0}}};
    ASSERT_EQ(n.rowCount(Head), 5);
    for (int r = 0; r < 5; ++r) EXPECT_EQ(n.alternative(Head, r), heads[r]) << r;
    EXPECT_EQ(n.hitsOfRow(Head, 3), (HitPositions{1, 4}));
    EXPECT_EQ(n.rowOfHit(Head, 5), 1);

    ASSERT_EQ(n.rowCount(Weapon), 3);
    EXPECT_EQ(n.alternative(Weapon, 0).decos, (std::array<int, 3>{2, 0, 0}));
    EXPECT_EQ(n.alternative(Weapon, 1).decos, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(n.alternative(Weapon, 2).decos, (std::array<int, 3>{1, 1, 0}));
    EXPECT_EQ(n.hitsOfRow(Weapon, 0), (HitPositions{0, 2, 4}));
    EXPECT_EQ(n.hitsOfRow(Weapon, 1), (HitPositions{1, 5}));
    EXPECT_EQ(n.rowCount(Body), 2);  // the none row's empty name first
    HitNarrowing third;  // rows that differ only in the third decoration: 珠A before 珠B
    third.Fill(c, SearchCondition{}, {hit(1, {1, 1, 1}, {0, 0, 0}), hit(1, {1, 1, 2}, {0, 0, 0})});
    EXPECT_EQ(third.alternative(Head, 0).decos, (std::array<int, 3>{1, 1, 2}));

    EXPECT_EQ(weaponAlternativeText(c, n.alternative(Weapon, 1)), sj("空き"));
    EXPECT_EQ(weaponAlternativeText(c, n.alternative(Weapon, 2)), sj("珠B 珠B "));
    PossessionLists owned;
    owned[Head].push_back(Possession{Head, 2, sj("頭A"), {}, 0, {}});
    EXPECT_EQ(alternativeRowTexts(c, owned, n.alternative(Head, 2)),
              (std::array<std::string, 4>{sj("■"), sj("頭A"), "11", sj("珠A ")}));
    EXPECT_EQ(alternativeRowTexts(c, owned, n.alternative(Head, 0)),
              (std::array<std::string, 4>{"", sj("頭A"), "12", ""}));

    EXPECT_TRUE(n.takeFillPending());
    EXPECT_FALSE(n.takeFillPending());
    for (int part = 0; part < kDecoParts; ++part) EXPECT_EQ(highlightedRows(n, part).size(), n.rowCount(part));
}

TEST_F(Narrowing, SelectionsIntersectAndHighlightWhatTheKeptHitsStillUse) {
    n.select(Weapon, 0);  // hits 0, 2, 4
    EXPECT_EQ(n.Matching(), (HitPositions{0, 2, 4}));
    EXPECT_EQ(highlightedRows(n, Head), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(highlightedRows(n, Body), (std::vector<int>{0, 1}));

    n.select(Head, 3);  // 頭A with 珠B: hits 1, 4; with the weapon: hit 4
    EXPECT_EQ(n.Matching(), (HitPositions{4}));
    EXPECT_EQ(highlightedRows(n, Body), (std::vector<int>{1}));
    EXPECT_FALSE(n.allSelected());

    n.select(Body, 0);  // not green: nothing is kept, nothing is green
    EXPECT_TRUE(n.Matching().empty());
    for (int part : {Leg, Arm, Wst}) EXPECT_TRUE(highlightedRows(n, part).empty());

    n.clearSelection(Body);
    EXPECT_EQ(n.Matching(), (HitPositions{4}));
    n.clearAllSelections();
    EXPECT_FALSE(n.anySelected());
    EXPECT_EQ(highlightedRows(n, Head).size(), 5u);

    n.select(Head, 99);  // outside the list: ignored
    EXPECT_FALSE(n.anySelected());
}

TEST_F(Narrowing, TheSelectedSetCarriesTheConditionsAndRowZeroForOpenParts) {
    n.select(Head, 2);
    n.select(Weapon, 0);
    ShownSet set = n.selectedSet();
    EXPECT_EQ(set.pieces, (std::array<int, 5>{0, 2, 0, 0, 0}));
    EXPECT_EQ(set.decos.DecoIndex[Head][0], 2);
    EXPECT_EQ(set.decos.DecoIndex[Weapon][0], 2);
    EXPECT_EQ(set.decos.DecoIndex[Body][0], 0);
    EXPECT_EQ(set.sex, 2);
    EXPECT_EQ(set.weaponSlots, 2);

    for (int part : {Leg, Body, Arm, Wst}) n.select(part, n.rowOfHit(part, 2));
    EXPECT_TRUE(n.allSelected());
    EXPECT_EQ(n.Matching(), (HitPositions{2}));
    set = n.selectedSet();
    EXPECT_EQ(set.pieces, (std::array<int, 5>{1, 2, 0, 1, 1}));

    const Myset myset = mysetFromNarrowing(c, n);
    EXPECT_EQ(myset.Name, sj("新しいマイセット"));
    EXPECT_EQ((std::array<int, 3>{myset.Sex, myset.Type, myset.WeaponSlot}), (std::array<int, 3>{2, 1, 2}));
    EXPECT_EQ(myset.Set.Index, (std::array<std::int32_t, 5>{1, 2, 0, 1, 1}));
    EXPECT_EQ(myset.Set.Decos.DecoIndex[Head][0], 2);
    EXPECT_EQ(myset.Set.Decos.SlotUsed[Head][0], 1);
    EXPECT_EQ(myset.Set.Decos.SlotsUsed[Head], 1);
    EXPECT_EQ(myset.Set.Decos.DecoTotal, 2);  // the head's and the weapon's

    // Equipment rows: the total's slots add the weapon's two to the armour's.
    const auto rows = DetailEquipRows(c, set);
    EXPECT_EQ(rows[0], (DetailEquipRow{sj("頭"), "11", "0", "0", "0", "0", "0", "0", sj("珠A ")}));
    EXPECT_EQ(rows[5], (DetailEquipRow{sj("武器"), "", "", "", "", "", "", "2", sj("珠A ")}));
    EXPECT_EQ(rows[6], (DetailEquipRow{sj("計"), "30", "0", "0", "0", "0", "0", "5", ""}));
}

// Random hits and random selections against a plain pass over every hit.
TEST(NarrowingRandom, MatchingAndHighlightsEqualAPassOverAllHits) {
    const Catalogue c = narrowingCatalogue();
    std::mt19937 random(11);
    auto pick = [&](int n) { return static_cast<int>(random() % n); };
    ResultStore hits;
    for (int i = 0; i < 400; ++i) {
        Result r;
        for (int part = 0; part < kArmourParts; ++part) r.Index[part] = pick(part == Head ? 4 : 2);
        for (int part = 0; part < kDecoParts; ++part) r.Decos.DecoIndex[part][0] = pick(3);
        hits.push_back(r);
    }
    HitNarrowing n;
    n.Fill(c, SearchCondition{}, hits);
    for (int round = 0; round < 200; ++round) {
        const int part = pick(kDecoParts);
        if (pick(4) == 0) n.clearSelection(part);
        else n.select(part, pick(n.rowCount(part)));
        if (!n.anySelected()) continue;

        HitPositions expected;
        std::array<std::set<int>, kDecoParts> used;
        for (std::uint32_t h = 0; h < hits.size(); ++h) {
            bool agrees = true;
            for (int p = 0; p < kDecoParts; ++p) {
                const int row = n.selectedRow(p);
                if (row == HitNarrowing::kNoRow) continue;
                const EquipDeco& e = n.alternative(p, row);
                agrees = agrees && e.piece == (p < kArmourParts ? hits[h].Index[p] : 0) &&
                         e.decos[0] == hits[h].Decos.DecoIndex[p][0];
            }
            if (!agrees) continue;
            expected.push_back(h);
            for (int p = 0; p < kDecoParts; ++p) used[p].insert(n.rowOfHit(p, h));
        }
        ASSERT_EQ(n.Matching(), expected) << "round " << round;
        for (int p = 0; p < kDecoParts; ++p) {
            if (n.selectedRow(p) != HitNarrowing::kNoRow) continue;
            const std::vector<int> rows = highlightedRows(n, p);
            ASSERT_EQ(std::set<int>(rows.begin(), rows.end()), used[p]) << "round " << round << " part " << p;
        }
    }
}

// Over a hundred alternatives a part (the table that finds them grows):
// every hit's row holds its own piece and decorations, each alternative is
// listed once, and each row's hits are exactly those whose row it is.
TEST(NarrowingRandom, EveryHitIsListedUnderItsOwnAlternative) {
    const Catalogue c = narrowingCatalogue();
    std::mt19937 random(5);
    ResultStore hits;
    for (int i = 0; i < 3000; ++i) {
        Result r;
        for (int part = 0; part < kArmourParts; ++part) r.Index[part] = static_cast<int>(random() % 4);
        for (auto& slots : r.Decos.DecoIndex)
            for (int& d : slots) d = static_cast<int>(random() % 3);
        hits.push_back(r);
    }
    HitNarrowing n;
    n.Fill(c, SearchCondition{}, hits);
    for (int p = 0; p < kDecoParts; ++p) {
        std::set<std::array<int, 4>> listed;
        std::vector<HitPositions> byRow(n.rowCount(p));
        for (std::uint32_t h = 0; h < hits.size(); ++h) {
            const EquipDeco& e = n.alternative(p, n.rowOfHit(p, h));
            const Result r = hits[h];
            ASSERT_EQ(e.piece, p < kArmourParts ? r.Index[p] : 0) << "part " << p << " hit " << h;
            for (int s = 0; s < 3; ++s) ASSERT_EQ(e.decos[s], r.Decos.DecoIndex[p][s]);
            byRow[n.rowOfHit(p, h)].push_back(h);
        }
        for (int row = 0; row < n.rowCount(p); ++row) {
            const EquipDeco& e = n.alternative(p, row);
            EXPECT_TRUE(listed.insert({e.piece, e.decos[0], e.decos[1], e.decos[2]}).second) << "part " << p;
            EXPECT_EQ(n.hitsOfRow(p, row), byRow[row]) << "part " << p << " row " << row;
        }
        EXPECT_GT(n.rowCount(p), p == Weapon ? 26 : 64);
    }
}

}  // namespace
}  // namespace vk
