// The reference engine's enumeration: nesting order, counters, progress
// calls, hit limit, minimum defence, fixed parts, priority and stopping.

#include <vector>

#include <gtest/gtest.h>

#include "core/search/reference/reference_engine.h"
#include "core/search/search_fixture.h"

namespace vk {
namespace {

using search_test::CatalogueBuilder;
using search_test::conditionFor;
using search_test::makePiece;
using search_test::EngineRig;
using search_test::runReference;
using search_test::hitIndices;

// A >= 10 from body 4 (repeated by torso-up head and arm) and leg 2.
struct TorsoSearch {
    Catalogue cat;
    SearchCondition cond;
};

TorsoSearch torsoSearch() {
    CatalogueBuilder b;
    const int a = b.system("A");
    const int t = b.torsoUpSystem();
    const int want = b.skill(a, kGreaterEqual, 10);
    b.piece(Body, makePiece(0, 0, {{a, 4}}));
    b.piece(Head, makePiece(0, 0, {{t, 0}}));
    b.piece(Arm, makePiece(0, 0, {{t, 0}}));
    b.piece(Leg, makePiece(0, 0, {{a, 2}}));
    return TorsoSearch{b.build(), conditionFor({want})};
}

TEST(ReferenceEngine, NestsHeadBodyArmWaistLeg) {
    const TorsoSearch s = torsoSearch();
    const auto out = runReference(s.cat, s.cond);
    EXPECT_EQ(out.total, 16u);
    EXPECT_EQ(out.tested, 16u);
    const std::vector<std::array<int, 5>> expected = {{1, 0, 1, 1, 0}, {1, 1, 1, 0, 0}, {0, 1, 1, 1, 0}, {1, 1, 1, 1, 0}};
    EXPECT_EQ(hitIndices(out.hits), expected);
    for (const Result& r : out.hits) {
        EXPECT_EQ(r.No, 0);
        EXPECT_EQ(r.Defence, 0);
        EXPECT_TRUE(r.Decos.empty());
    }
}

TEST(ReferenceEngine, ProgressOncePerBodyPosition) {
    const TorsoSearch s = torsoSearch();
    EngineRig rig(s.cat);
    std::vector<SearchProgress> calls;
    rig.run(s.cond, [&](const SearchProgress& p) { calls.push_back(p); });
    ASSERT_EQ(calls.size(), 4u);
    const float percent[4] = {0.0f, 25.0f, 50.0f, 75.0f};
    const std::uint64_t tested[4] = {0, 4, 8, 12};
    const std::size_t hits[4] = {0, 0, 1, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(calls[i].Progress, percent[i]);
        EXPECT_EQ(calls[i].Tested, tested[i]);
        EXPECT_EQ(calls[i].Total, 16u);
        EXPECT_EQ(calls[i].hits, hits[i]);
    }
    EXPECT_EQ(rig.engine.progress(), 75.0f);
}

TEST(ReferenceEngine, StopFromProgressCallbackCountsTheCombinationThatNoticedIt) {
    const TorsoSearch s = torsoSearch();
    EngineRig rig(s.cat);
    int calls = 0;
    const std::size_t n = rig.run(s.cond, [&](const SearchProgress&) {
        if (++calls == 4) {  // Head 1, Body 1
            rig.control.Suspended = true;  // a stop during a pause still ends the search
            rig.control.Running = false;
        }
    });
    EXPECT_EQ(n, 1u);
    EXPECT_EQ(rig.engine.tested(), 13u);
    EXPECT_EQ(hitIndices(rig.engine.store()), (std::vector<std::array<int, 5>>{{1, 0, 1, 1, 0}}));

    // The next run starts from an empty store.
    rig.control.Running = true;
    rig.control.Suspended = false;
    EXPECT_EQ(rig.run(s.cond), 4u);
    EXPECT_EQ(rig.engine.store().size(), 4u);
}

// Leg 0 (defence 0), leg 1 (defence 5, no skill), leg 2 (defence 5, A 10), leg 3 (defence 6, A 10).
struct LimitSearch {
    Catalogue cat;
    SearchCondition cond;
};

LimitSearch limitSearch() {
    CatalogueBuilder b;
    const int a = b.system("A");
    const int want = b.skill(a, kGreaterEqual, 10);
    b.piece(Leg, makePiece(0, 5));
    b.piece(Leg, makePiece(0, 5, {{a, 10}}));
    b.piece(Leg, makePiece(0, 6, {{a, 10}}));
    LimitSearch s{b.build(), conditionFor({want})};
    s.cond.allPieces = true;
    s.cond.minDefence = 5;
    return s;
}

TEST(ReferenceEngine, HitLimitComparedUnsignedAfterTheSkillTest) {
    LimitSearch s = limitSearch();
    s.cond.HitLimit = 0;  // leg 0 is below the minimum; leg 1 reaches the test and ends it
    auto out = runReference(s.cat, s.cond);
    EXPECT_EQ(out.hits.size(), 0u);
    EXPECT_EQ(out.tested, 2u);

    s.cond.HitLimit = 1;
    out = runReference(s.cat, s.cond);
    EXPECT_EQ(hitIndices(out.hits), (std::vector<std::array<int, 5>>{{2, 0, 0, 0, 0}}));
    EXPECT_EQ(out.tested, 3u);

    s.cond.HitLimit = -1;
    out = runReference(s.cat, s.cond);
    EXPECT_EQ(out.hits.size(), 2u);
    EXPECT_EQ(out.tested, 4u);
}

TEST(ReferenceEngine, EstimateRejectionSkipsTheHitLimitTest) {
    LimitSearch s = limitSearch();
    s.cond.HitLimit = 0;
    s.cond.useDecorations = true;  // leg 1 has no slots: rejected by the estimate
    const auto out = runReference(s.cat, s.cond);
    EXPECT_EQ(hitIndices(out.hits), (std::vector<std::array<int, 5>>{{2, 0, 0, 0, 0}}));
    EXPECT_EQ(out.tested, 3u);
}

TEST(ReferenceEngine, MinimumDefenceEqualIsTested) {
    LimitSearch s = limitSearch();
    s.cond.minDefence = 6;
    auto out = runReference(s.cat, s.cond);
    EXPECT_EQ(hitIndices(out.hits), (std::vector<std::array<int, 5>>{{3, 0, 0, 0, 0}}));
    EXPECT_EQ(out.tested, 4u);
    s.cond.minDefence = 7;
    out = runReference(s.cat, s.cond);
    EXPECT_TRUE(out.hits.empty());
    EXPECT_EQ(out.tested, 4u);
}

TEST(ReferenceEngine, FixedPartsBypassFilterAndExclusions) {
    CatalogueBuilder b;
    const int a = b.system("A");
    const int want = b.skill(a, kGreaterEqual, 5);
    for (int p = 0; p < kArmourParts; ++p) {
        Equip e = makePiece(0, 0, {{a, 1}});
        e.sex = 2;
        e.type = 2;
        e.rarity = 8;
        b.piece(p, e);
    }
    const Catalogue cat = b.build();
    SearchCondition cond = conditionFor({want});
    cond.rarityLimit = 3;  // male blade user, rarity 3 at most
    cond.fixed = {true, true, true, true, true};
    cond.fixedPiece = {1, 1, 1, 1, 1};
    SearchSnapshot snapshot;
    snapshot.exclusions = ExceptFlags::sizedFor(cat);
    for (auto& flags : snapshot.exclusions.equip) flags[1] = 1;

    auto out = runReference(cat, cond, snapshot);
    EXPECT_EQ(out.total, 1u);
    EXPECT_EQ(out.tested, 1u);
    EXPECT_EQ(hitIndices(out.hits), (std::vector<std::array<int, 5>>{{1, 1, 1, 1, 1}}));

    // Unfixed, the same head is filtered out: only the empty head remains, 4 points.
    cond.fixed[Head] = false;
    out = runReference(cat, cond, snapshot);
    EXPECT_EQ(out.total, 1u);
    EXPECT_TRUE(out.hits.empty());
}

TEST(ReferenceEngine, PriorityOrdersWholeListsStably) {
    CatalogueBuilder b;
    const int a = b.system("A");
    const int want = b.skill(a, kGreaterEqual, 1);
    const int defence[] = {5, 7, 5, 7};
    const int slots[] = {1, 0, 3, 1};
    for (int i = 0; i < 4; ++i) b.piece(Head, makePiece(slots[i], defence[i], {{a, 1}}));
    Catalogue cat = b.build();
    cat.equip[Head][0].defence = 6;  // the empty row takes part in the order

    SearchCondition cond = conditionFor({want});
    cond.Priority = 1;
    EngineRig rig(cat);
    rig.run(cond);
    EXPECT_EQ(rig.engine.candidates().parts[Head], (std::vector<int>{2, 4, 0, 1, 3}));
    std::vector<int> heads;
    for (const Result& r : rig.engine.store()) heads.push_back(r.Index[Head]);
    EXPECT_EQ(heads, (std::vector<int>{2, 4, 1, 3}));

    cond.Priority = 3;
    rig.run(cond);
    EXPECT_EQ(rig.engine.candidates().parts[Head], (std::vector<int>{3, 1, 4, 0, 2}));

    cond.Priority = 0;
    rig.run(cond);
    EXPECT_EQ(rig.engine.candidates().parts[Head], (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(ReferenceEngine, RefusesRowsOutsideTheCatalogue) {
    const TorsoSearch s = torsoSearch();
    EngineRig rig(s.cat);
    SearchCondition bad = s.cond;
    bad.fixed[Leg] = true;
    bad.fixedPiece[Leg] = 9;
    EXPECT_THROW(rig.run(bad), std::invalid_argument);
    bad = s.cond;
    bad.wanted[1] = 99;
    EXPECT_THROW(rig.run(bad), std::invalid_argument);
}

}  // namespace
}  // namespace vk
