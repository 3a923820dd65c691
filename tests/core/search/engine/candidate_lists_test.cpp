// The order in which candidate pieces and decorations are collected.

#include <gtest/gtest.h>

#include "core/search/engine/candidate_lists.h"
#include "core/search/search_fixture.h"

namespace vk {
namespace {

using search_test::CatalogueBuilder;
using search_test::conditionFor;
using search_test::makePiece;

struct HeadCatalogue {
    Catalogue cat;
    int wantA = 0, wantB = 0, wantAMinus = 0;
};

// Head rows: 1 A+2, 2 A+5, 3 B+1, 4 A-1, 5 three slots, 6 female A+3,
// 7 A+4 (excluded below), 8 nothing (owned below), 9 three slots, 10 rarity 5 A+1.
// Decorations: 1 A+1, 2 A+3, 3 B+2 rarity 6, 4 B+1 with A+2, 5 A+2 (excluded below).
HeadCatalogue headCatalogue() {
    CatalogueBuilder b;
    HeadCatalogue c;
    const int a = b.system("A");
    const int s = b.system("B");
    c.wantB = b.skill(s, kGreaterEqual, 1);
    c.wantA = b.skill(a, kGreaterEqual, 1);
    c.wantAMinus = b.skill(a, kLessEqual, -1);
    b.piece(Head, makePiece(0, 0, {{a, 2}}));
    b.piece(Head, makePiece(0, 0, {{a, 5}}));
    b.piece(Head, makePiece(0, 0, {{s, 1}}));
    b.piece(Head, makePiece(0, 0, {{a, -1}}));
    b.piece(Head, makePiece(3, 0));
    Equip female = makePiece(0, 0, {{a, 3}});
    female.sex = 2;
    b.piece(Head, female);
    b.piece(Head, makePiece(0, 0, {{a, 4}}));
    b.piece(Head, makePiece(0, 0));
    b.piece(Head, makePiece(3, 0));
    Equip rare = makePiece(0, 0, {{a, 1}});
    rare.rarity = 5;
    b.piece(Head, rare);
    b.piece(Leg, makePiece(0, 0, {{a, 1}}));
    b.deco(1, {a, 1});
    b.deco(1, {a, 3});
    b.deco(1, {s, 2}, {}, 6);
    b.deco(1, {s, 1}, {a, 2});
    b.deco(1, {a, 2});
    c.cat = b.build();
    return c;
}

SearchSnapshot headSnapshot(const Catalogue& cat) {
    SearchSnapshot snap;
    snap.exclusions = ExceptFlags::sizedFor(cat);
    snap.exclusions.equip[Head][7] = 1;
    snap.exclusions.deco[5] = 1;
    snap.possessed[Head] = {8, 2, 5, 7};
    return snap;
}

SearchCondition headCondition(const HeadCatalogue& c) {
    SearchCondition cond = conditionFor({c.wantA, c.wantB});
    cond.rarityLimit = 4;
    cond.fixed[Leg] = true;
    cond.fixedPiece[Leg] = 0;
    return cond;
}

TEST(CandidateLists, SkillListsThenPossessionsThenThreeSlotPieces) {
    const HeadCatalogue c = headCatalogue();
    const SearchSnapshot snap = headSnapshot(c.cat);
    SearchCondition cond = headCondition(c);

    CandidateLists lists = buildCandidates(c.cat, cond, snap);
    EXPECT_EQ(lists.parts[Head], (std::vector<int>{0, 2, 1, 3}));
    EXPECT_EQ(lists.parts[Leg], (std::vector<int>{0}));  // fixed
    EXPECT_EQ(lists.parts[Body], (std::vector<int>{0}));
    EXPECT_EQ(lists.decos, (std::vector<int>{0}));  // decorations off

    cond.possessions = true;
    lists = buildCandidates(c.cat, cond, snap);
    EXPECT_EQ(lists.parts[Head], (std::vector<int>{0, 2, 1, 3, 8, 5}));

    cond.threeSlotPieces = true;
    lists = buildCandidates(c.cat, cond, snap);
    EXPECT_EQ(lists.parts[Head], (std::vector<int>{0, 2, 1, 3, 8, 5, 9}));
}

TEST(CandidateLists, AllPiecesInRowOrderIgnoringPossessionsAndThreeSlots) {
    const HeadCatalogue c = headCatalogue();
    const SearchSnapshot snap = headSnapshot(c.cat);
    SearchCondition cond = headCondition(c);
    cond.allPieces = true;
    cond.possessions = true;
    cond.threeSlotPieces = true;
    const CandidateLists lists = buildCandidates(c.cat, cond, snap);
    EXPECT_EQ(lists.parts[Head], (std::vector<int>{0, 1, 2, 3, 4, 5, 8, 9}));
    EXPECT_EQ(lists.parts[Leg], (std::vector<int>{0}));
}

TEST(CandidateLists, NegativeKindsWalkTheMinusList) {
    const HeadCatalogue c = headCatalogue();
    SearchCondition cond = conditionFor({c.wantAMinus});
    const CandidateLists lists = buildCandidates(c.cat, cond, headSnapshot(c.cat));
    EXPECT_EQ(lists.parts[Head], (std::vector<int>{0, 4}));
}

TEST(CandidateLists, DecorationsByWantedSlotThenListOrder) {
    const HeadCatalogue c = headCatalogue();
    SearchCondition cond = headCondition(c);
    cond.useDecorations = true;
    // A's plus list: 2 (A+3), 4 (A+2, second skill), 5 (A+2, excluded), 1 (A+1);
    // B's: 3 (rarity 6, over the limit), 4 (already in).
    CandidateLists lists = buildCandidates(c.cat, cond, headSnapshot(c.cat));
    EXPECT_EQ(lists.decos, (std::vector<int>{0, 2, 4, 1}));

    cond.rarityLimit = 0;
    lists = buildCandidates(c.cat, cond, headSnapshot(c.cat));
    EXPECT_EQ(lists.decos, (std::vector<int>{0, 2, 4, 1, 3}));
}

}  // namespace
}  // namespace vk
