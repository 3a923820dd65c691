// The fast decoration search against the literal one, call by call, and its
// two shortcuts: the proof of failure and the need figures the decoration
// memo is keyed by.

#include <gtest/gtest.h>

#include "core/search/engine/candidate_lists.h"
#include "core/search/fast/fast_deco_search.h"
#include "core/search/reference/deco_fitting.h"
#include "core/search/search_fixture.h"

namespace vk {
namespace {

using search_test::CatalogueBuilder;
using search_test::conditionFor;
using search_test::makePiece;

// Both searches over one catalogue and condition.
struct SearchPair {
    SearchPair(Catalogue c, const SearchCondition& cond) : cat(std::move(c)), cond(cond) {
        wanted = wantedSkills(cat, cond);
        exclusions = ExceptFlags::sizedFor(cat);
        control.Running = true;
        SearchSnapshot snapshot;
        snapshot.exclusions = exclusions;
        decos = buildCandidates(cat, cond, snapshot).decos;
    }
    ArmourEval eval(const std::array<int, 5>& need, int bodyFactor = 1) const {
        ArmourEval ev;
        ev.need = need;
        ev.bodyFactor = bodyFactor;
        return ev;
    }
    Catalogue cat;
    SearchCondition cond;
    WantedSkills wanted;
    ExceptFlags exclusions;
    SearchControl control;
    std::vector<int> decos;
};

// Two wanted systems; one-slot decorations of different strength, so that
// which one is forced first decides the layout; a two-slot decoration.
SearchPair twoSkillSearch() {
    CatalogueBuilder b;
    const int a = b.system("A");
    const int c = b.system("C");
    const int wantA = b.skill(a, kGreaterEqual, 10);
    const int wantC = b.skill(c, kGreaterEqual, 10);
    b.deco(1, {a, 1});
    b.deco(1, {a, 3}, {c, -1});
    b.deco(2, {c, 4}, {a, 1});
    b.deco(1, {c, 2});
    SearchCondition cond = conditionFor({wantC, wantA});
    cond.useDecorations = true;
    cond.weaponSlots = 2;
    return SearchPair(b.build(), cond);
}

TEST(FastDecorationSearch, FindsTheLiteralSearchsFirstLayoutOrFailsWithIt) {
    SearchPair s = twoSkillSearch();
    FastDecorationSearch fast(s.cat, s.cond, s.wanted, s.exclusions, s.decos, s.control);
    int successes = 0;
    int failures = 0;
    for (int bodyFactor : {1, 2}) {
        for (const std::array<int, 5>& slots : std::vector<std::array<int, 5>>{
                 {1, 2, 3, 0, 1}, {0, 3, 0, 2, 0}, {3, 3, 3, 3, 3}, {0, 0, 1, 0, 0}}) {
            Pieces pieces{};
            for (int needA = -2; needA <= 12; needA += 2) {
                for (int needC = -1; needC <= 12; needC += 3) {
                    const ArmourEval ev = s.eval({needC, needA, 0, 0, 0}, bodyFactor);
                    // The literal search reads slots through pieces: give each
                    // part a piece with the wanted slot count.
                    Catalogue cat = s.cat;
                    for (int p = 0; p < kArmourParts; ++p) {
                        cat.equip[p].push_back(makePiece(slots[p], 0));
                        pieces[p] = static_cast<int>(cat.equip[p].size()) - 1;
                    }
                    DecorationSearch reference(cat, s.cond, s.wanted, s.exclusions, s.control);
                    DecoSet want;
                    DecoSet got;
                    const bool wanted = reference.search(pieces, ev, s.decos, want);
                    ASSERT_EQ(fast.search(slots, ev, got), wanted) << needA << " " << needC;
                    if (wanted) {
                        EXPECT_EQ(got, want) << needA << " " << needC;
                        ++successes;
                    } else {
                        ++failures;
                    }
                }
            }
        }
    }
    EXPECT_GT(successes, 10);
    EXPECT_GT(failures, 10);
}

TEST(FastDecorationSearch, ProvesFailureOnlyWhenNoLayoutCanReachTheNeed) {
    SearchPair s = twoSkillSearch();
    FastDecorationSearch fast(s.cat, s.cond, s.wanted, s.exclusions, s.decos, s.control);
    // C gains at most 4 per two slots (2 per slot): one free slot in one part
    // and two weapon slots give at most 2 + 4 = 6.
    EXPECT_TRUE(fast.provablyFails({0, 1, 0, 0, 0}, s.eval({7, 0, 0, 0, 0})));
    EXPECT_FALSE(fast.provablyFails({0, 1, 0, 0, 0}, s.eval({6, 0, 0, 0, 0})));
    // The body counts BodyFactor times.
    EXPECT_FALSE(fast.provablyFails({0, 0, 1, 0, 0}, s.eval({8, 0, 0, 0, 0}, 2)));
    EXPECT_TRUE(fast.provablyFails({0, 0, 1, 0, 0}, s.eval({9, 0, 0, 0, 0}, 2)));
}

TEST(FastDecorationSearch, EqualSkillsNeverSucceedByDecorations) {
    CatalogueBuilder b;
    const int a = b.system("A");
    const int want = b.skill(a, kEqual, 4);
    b.deco(1, {a, 1});
    SearchCondition cond = conditionFor({want});
    cond.useDecorations = true;
    SearchPair s(b.build(), cond);
    FastDecorationSearch fast(s.cat, s.cond, s.wanted, s.exclusions, s.decos, s.control);
    EXPECT_TRUE(fast.provablyFails({3, 3, 3, 3, 3}, s.eval({0, 0, 0, 0, 0})));
}

TEST(FastDecorationSearch, MemoKeyDropsAMarginOnlyWhenNothingCanTakeItBack) {
    SearchPair s = twoSkillSearch();  // a decoration takes 1 point of C: C's margin stays
    FastDecorationSearch fast(s.cat, s.cond, s.wanted, s.exclusions, s.decos, s.control);
    EXPECT_EQ(fast.outcomeNeed({-3, -2, 0, 0, 0}), (std::array<int, 5>{-3, 0, 0, 0, 0}));
    EXPECT_EQ(fast.outcomeNeed({4, 5, 0, 0, 0}), (std::array<int, 5>{4, 5, 0, 0, 0}));

    // Excluding the decoration that takes C's points frees C's margin too.
    s.exclusions.deco[2] = 1;
    FastDecorationSearch without(s.cat, s.cond, s.wanted, s.exclusions, s.decos, s.control);
    EXPECT_EQ(without.outcomeNeed({-3, -2, 0, 0, 0}), (std::array<int, 5>{0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace vk
