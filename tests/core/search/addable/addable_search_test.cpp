// The additional-skill search: which activations are candidates and into
// which box they go, and the fast decision agreeing with one plain reference
// search per candidate over random catalogues and conditions.
#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "core/search/addable/addable_search.h"
#include "core/search/condition/condition_check.h"
#include "core/search/random_search.h"
#include "core/search/search_fixture.h"

namespace vk {
namespace {

using search_test::CatalogueBuilder;

TEST(AddableCandidates, FollowTheBoxRules) {
    CatalogueBuilder b;
    const int a = b.system("A"), s = b.system("B"), c = b.system("C"), d = b.system("D");
    const int a10 = b.skill(a, kGreaterEqual, 10), a15 = b.skill(a, kGreaterEqual, 15);
    const int a14 = b.skill(a, kGreater, 14);  // needs 15 points, as a15
    const int aShed = b.skill(a, kLessEqual, -5);
    const int b10 = b.skill(s, kGreaterEqual, 10);
    b.skill(s, kEqual, 3);  // "==": never a candidate
    const int none1 = b.skill(0, kGreaterEqual, 1), none2 = b.skill(0, kGreater, 1);
    const int c5 = b.skill(c, kGreaterEqual, 5), d5 = b.skill(d, kGreaterEqual, 5);
    const Catalogue cat = b.build();

    struct Case {
        SkillBoxes boxes;
        std::vector<AddableCandidate> expected;
    };
    const Case cases[] = {
        // Stronger levels upgrade the box; other systems take the first empty box.
        {{a10, 0, 0, 0, 0},
         {{a15, 0, true}, {a14, 0, true}, {b10, 1, false}, {none1, 1, false}, {none2, 1, false}, {c5, 1, false},
          {d5, 1, false}}},
        // Nothing needing the same or fewer points; an empty box before the held one.
        {{0, a15, 0, 0, 0}, {{b10, 0, false}, {none1, 0, false}, {none2, 0, false}, {c5, 0, false}, {d5, 0, false}}},
        // A "<=" in the box blocks its whole system.
        {{aShed, 0, b10, 0, 0}, {{none1, 1, false}, {none2, 1, false}, {c5, 1, false}, {d5, 1, false}}},
        // System 0 matches no box; with five boxes full only upgrades remain.
        {{none1, a10, b10, c5, d5}, {{a15, 1, true}, {a14, 1, true}}},
        {{none1, 0, 0, 0, 0}, {{a10, 1, false}, {a15, 1, false}, {a14, 1, false}, {b10, 1, false},
                               {none2, 1, false}, {c5, 1, false}, {d5, 1, false}}},
    };
    for (const Case& t : cases) {
        const std::vector<AddableCandidate> got = addableCandidates(cat, t.boxes);
        ASSERT_EQ(got.size(), t.expected.size()) << t.boxes[0] << "," << t.boxes[1];
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].skillEq, t.expected[i].skillEq) << i;
            EXPECT_EQ(got[i].box, t.expected[i].box) << i;
            EXPECT_EQ(got[i].upgrade, t.expected[i].upgrade) << i;
        }
    }
}

// Box values for a random condition as the window would hold them: its wanted
// skills (one per system) in random boxes, and now and then all five boxes
// filled, with activations of system 0 when the systems run out; nothing
// when the check would refuse them.
std::optional<SkillBoxes> randomBoxes(Catalogue& cat, const SearchCondition& cond, std::mt19937& gen) {
    std::vector<int> rows(cond.wanted.begin(), cond.wanted.begin() + cond.wantedCount);
    if (gen() % 3 == 0) {
        for (int i = 0; i < 3; ++i) {
            const int row = static_cast<int>(cat.skillEqs.size());
            cat.skillEqs.push_back(SkillEq{"zero", row, 0, kGreaterEqual, static_cast<int>(gen() % 3) - 1});
        }
        for (int r = 1; r < static_cast<int>(cat.skillEqs.size()); ++r) rows.push_back(r);
    }
    SkillBoxes boxes{};
    std::vector<int> places = {0, 1, 2, 3, 4};
    std::shuffle(places.begin(), places.end(), gen);
    for (std::size_t i = 0, k = 0; i < rows.size() && k < 5; ++i) {
        boxes[places[k]] = rows[i];
        if (checkSearchRequest(cat, false, boxes)) boxes[places[k]] = 0;  // a second skill of one system
        else ++k;
    }
    if (checkSearchRequest(cat, false, boxes)) return std::nullopt;
    return boxes;
}

TEST(AddableSearch, FastListIsThePlainReferenceList) {
    int fullBoxes = 0, upgrades = 0, addable = 0, notAddable = 0;
    for (std::uint32_t seed = 1; seed <= 1500; ++seed) {
        search_test::RandomSearch rs = search_test::randomSearch(seed);
        std::mt19937 gen(seed);
        const std::optional<SkillBoxes> boxes = randomBoxes(rs.cat, rs.cond, gen);
        if (!boxes) continue;
        SearchCondition base = rs.cond;
        base.wanted = sortedWanted(rs.cat, *boxes);
        base.wantedCount = static_cast<int>(std::count_if(base.wanted.begin(), base.wanted.end(), [](int w) { return w > 0; }));
        const AddableRequest request{base, *boxes, rs.snapshot};
        SearchControl control;
        control.Running = true;
        const AddableState plain = decideByPlainSearches(rs.cat, EngineKind::Reference, 1, request, control, {});
        const AddableState fast = decideAddable(rs.cat, 1 + seed % 2, request, control, {});
        ASSERT_EQ(fast.candidates.size(), plain.candidates.size()) << seed;
        EXPECT_FALSE(fast.stopped || plain.stopped);
        EXPECT_EQ(fast.decided, fast.candidates.size());
        EXPECT_TRUE(fast.verdicts == plain.verdicts) << "seed " << seed;
        fullBoxes += base.wantedCount == 5;
        for (std::size_t i = 0; i < plain.candidates.size(); ++i) {
            upgrades += plain.candidates[i].upgrade;
            addable += plain.verdicts[i] == Verdict::Addable;
            notAddable += plain.verdicts[i] == Verdict::NotAddable;
        }
    }
    // The cases drawn cover what the rules distinguish.
    EXPECT_GT(fullBoxes, 100);
    EXPECT_GT(upgrades, 100);
    EXPECT_GT(addable, 100);
    EXPECT_GT(notAddable, 100);
}

TEST(AddableSearch, StopsWhenRunningIsCleared) {
    search_test::RandomSearch rs = search_test::randomSearch(7);
    const SkillBoxes boxes = {rs.cond.wanted[0], 0, 0, 0, 0};
    const AddableRequest request{rs.cond, boxes, rs.snapshot};
    SearchControl control;
    control.Running = true;
    std::size_t reports = 0;
    const AddableState state = decideAddable(rs.cat, 1, request, control, [&](const AddableState& s) {
        ++reports;
        if (s.decided >= 1) control.Running = false;
    });
    ASSERT_GT(state.candidates.size(), 1u);
    EXPECT_TRUE(state.stopped);
    EXPECT_EQ(state.decided, 1u);
    EXPECT_EQ(reports, 1u);
}

}  // namespace
}  // namespace vk
