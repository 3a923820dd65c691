// The fast engine against the reference on random searches: the same hits
// (every piece row and every DecoSet integer), counters and progress calls,
// with one and two threads. VK_DIFF_CASES sets the number of random cases.

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/search/engine/engine_factory.h"
#include "core/search/fast/fast_engine.h"
#include "core/search/fast/fast_plan.h"
#include "core/search/random_search.h"
#include "core/search/search_fixture.h"

namespace vk {
namespace {

using search_test::RandomSearch;
using search_test::randomSearch;

struct EngineRun {
    ResultStore hits;
    std::uint64_t tested = 0;
    std::uint64_t total = 0;
    float progress = 0.0f;
    std::vector<SearchProgress> calls;
    bool budgetReached = false;
};

// `stopAtCall` > 0 pauses and stops the search inside that progress call.
EngineRun runEngine(const RandomSearch& s, EngineKind kind, int threads, const SearchCondition& cond, int stopAtCall = 0,
                    std::size_t memoryBudget = kNoMemoryBudget) {
    std::unique_ptr<SearchEngine> engine = makeSearchEngine(s.cat, kind, threads);
    // Every thread from the start, even on these small searches.
    if (auto* fast = dynamic_cast<FastEngine*>(engine.get())) fast->setAloneFor(std::chrono::milliseconds(0));
    SearchControl control;
    control.Running = true;
    control.MemoryBudget = memoryBudget;
    EngineRun r;
    engine->run(cond, s.snapshot, control, [&](const SearchProgress& p) {
        if (p.withinPosition) return;  // the reference makes none; timing decides them
        r.calls.push_back(p);
        if (static_cast<int>(r.calls.size()) == stopAtCall) {
            control.Suspended = true;  // a stop during a pause still ends the search
            control.Running = false;
        }
    });
    r.hits = engine->store();
    r.tested = engine->tested();
    r.total = engine->total();
    r.progress = engine->progress();
    r.budgetReached = engine->memoryBudgetReached();
    return r;
}

void expectSameRun(const EngineRun& want, const EngineRun& got, const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(got.total, want.total);
    EXPECT_EQ(got.tested, want.tested);
    EXPECT_EQ(got.progress, want.progress);
    EXPECT_EQ(got.budgetReached, want.budgetReached);
    ASSERT_EQ(got.hits.size(), want.hits.size());
    for (std::size_t i = 0; i < want.hits.size(); ++i) ASSERT_EQ(got.hits[i], want.hits[i]) << "hit " << i;
    ASSERT_EQ(got.calls.size(), want.calls.size());
    for (std::size_t i = 0; i < want.calls.size(); ++i) {
        EXPECT_EQ(got.calls[i].Tested, want.calls[i].Tested) << "call " << i;
        EXPECT_EQ(got.calls[i].Total, want.calls[i].Total) << "call " << i;
        EXPECT_EQ(got.calls[i].Progress, want.calls[i].Progress) << "call " << i;
        EXPECT_EQ(got.calls[i].hits, want.calls[i].hits) << "call " << i;
    }
}

void expectFastMatchesReference(const RandomSearch& s, const SearchCondition& cond, const std::string& what,
                                int stopAtCall = 0, std::size_t memoryBudget = kNoMemoryBudget) {
    const EngineRun want = runEngine(s, EngineKind::Reference, 1, cond, stopAtCall, memoryBudget);
    expectSameRun(want, runEngine(s, EngineKind::Fast, 1, cond, stopAtCall, memoryBudget), what + ", one thread");
    expectSameRun(want, runEngine(s, EngineKind::Fast, 2, cond, stopAtCall, memoryBudget), what + ", two threads");
}

int caseCount() {
    const char* env = std::getenv("VK_DIFF_CASES");
    const int n = env ? std::atoi(env) : 0;
    return n > 0 ? n : 300;
}

TEST(FastEngine, MatchesReferenceOnRandomSearches) {
    const int cases = caseCount();
    int withHits = 0;
    for (int seed = 1; seed <= cases; ++seed) {
        const RandomSearch s = randomSearch(static_cast<std::uint32_t>(seed));
        expectFastMatchesReference(s, s.cond, "seed " + std::to_string(seed));
        if (HasFatalFailure()) return;
        withHits += !runEngine(s, EngineKind::Reference, 1, s.cond).hits.empty();
    }
    // The generator must keep producing searches that find something.
    EXPECT_GT(withHits, cases / 5);
}

TEST(FastEngine, HitLimitZeroAndNegativeMatchReference) {
    for (int seed = 1; seed <= 60; ++seed) {
        const RandomSearch s = randomSearch(static_cast<std::uint32_t>(seed) * 7919u);
        for (int limit : {0, -1, std::numeric_limits<int>::min(), 1}) {
            SearchCondition cond = s.cond;
            cond.HitLimit = limit;
            expectFastMatchesReference(s, cond, "seed " + std::to_string(seed) + " limit " + std::to_string(limit));
            if (HasFatalFailure()) return;
        }
    }
}

TEST(FastEngine, StopFromProgressCallbackEndsTheSearchWhereTheReferenceDoes) {
    int stopped = 0;
    for (int seed = 1; seed <= 80; ++seed) {
        const RandomSearch s = randomSearch(static_cast<std::uint32_t>(seed) * 104729u);
        SearchCondition cond = s.cond;
        cond.HitLimit = -1;
        const EngineRun full = runEngine(s, EngineKind::Reference, 1, cond);
        if (full.calls.size() < 3) continue;
        ++stopped;
        expectFastMatchesReference(s, cond, "seed " + std::to_string(seed), 2);
        const EngineRun fast = runEngine(s, EngineKind::Fast, 2, cond, 2);
        EXPECT_LT(fast.tested, full.tested);
        EXPECT_EQ(fast.calls.size(), 2u);
    }
    EXPECT_GT(stopped, 10);
}

// A budget of a few hundred bytes ends a search with many hits as a stop would:
// the hits before it stay, in order, and every engine ends at the same hit.
TEST(FastEngine, MemoryBudgetEndsTheSearchAtTheSameHitInEveryEngine) {
    int reached = 0;
    for (int seed = 1; seed <= 60; ++seed) {
        const RandomSearch s = randomSearch(static_cast<std::uint32_t>(seed) * 31337u);
        SearchCondition cond = s.cond;
        cond.HitLimit = -1;
        const EngineRun full = runEngine(s, EngineKind::Reference, 1, cond);
        for (std::size_t budget : {std::size_t{1}, std::size_t{600}, std::size_t{2500}}) {
            const std::string what = "seed " + std::to_string(seed) + " budget " + std::to_string(budget);
            const EngineRun kept = runEngine(s, EngineKind::Reference, 1, cond, 0, budget);
            reached += kept.budgetReached;
            EXPECT_TRUE(kept.budgetReached || full.hits.size() < 48) << what;  // 2500 bytes hold fewer than 48 hits
            EXPECT_TRUE(kept.hits.size() <= full.hits.size() &&
                        std::equal(kept.hits.begin(), kept.hits.end(), full.hits.begin())) << what;
            expectFastMatchesReference(s, cond, what, 0, budget);
        }
    }
    EXPECT_GT(reached, 20);
}

// More Head x Body positions than two threads get slices: slices then hold
// runs of positions, and progress calls come from inside them.
TEST(FastEngine, SlicesOfManyPositionsReportEachPosition) {
    search_test::CatalogueBuilder b;
    const int a = b.system("A");
    const int c = b.system("C");
    const int t = b.torsoUpSystem();
    const int wantA = b.skill(a, kGreaterEqual, 9);
    const int wantC = b.skill(c, kGreaterEqual, 4);
    for (int i = 0; i < 12; ++i) {
        b.piece(Head, search_test::makePiece(i % 4, i, {{a, i % 5}, {c, (i * 7) % 3 - 1}}));
        b.piece(Body, search_test::makePiece(3 - i % 4, 12 - i, {{a, (i * 3) % 4}, {c, i % 2}}));
    }
    for (int i = 0; i < 3; ++i) {
        b.piece(Arm, search_test::makePiece(i, 2, {{a, i + 1}}));
        b.piece(Wst, search_test::makePiece(1, 3, {{c, i}}));
        b.piece(Leg, search_test::makePiece(2 - i, 1, {{i == 1 ? t : a, 1}}));
    }
    b.deco(1, {a, 2});
    b.deco(2, {c, 3}, {a, -1});
    RandomSearch s{b.build(), search_test::conditionFor({wantC, wantA}), {}};
    s.cond.useDecorations = true;
    s.cond.weaponSlots = 1;
    s.snapshot.exclusions = ExceptFlags::sizedFor(s.cat);
    const EngineRun full = runEngine(s, EngineKind::Reference, 1, s.cond);
    ASSERT_GT(full.calls.size(), 100u);
    ASSERT_GT(full.hits.size(), 10u);
    expectFastMatchesReference(s, s.cond, "whole search");
    expectFastMatchesReference(s, s.cond, "stopped at call 77", 77);
    SearchCondition limited = s.cond;
    limited.HitLimit = static_cast<int>(full.hits.size() / 2);
    expectFastMatchesReference(s, limited, "hit limit");
    expectFastMatchesReference(s, s.cond, "memory budget", 0, 700);
}

// Few Head x Body positions, each long: reports from within them (made at
// every chance here) count up between the position reports, and a stop made
// in one ends the search where it was noticed, with exactly the hits before it.
TEST(FastEngine, ReportsFromWithinLongPositionsAndStopsWhereTold) {
    search_test::CatalogueBuilder b;
    const int a = b.system("A");
    const int c = b.system("C");
    const int wantA = b.skill(a, kGreaterEqual, 7);
    const int shedC = b.skill(c, kLessEqual, -2);
    for (int i = 0; i < 24; ++i) {
        b.piece(Arm, search_test::makePiece(i % 3, i, {{a, i % 4}, {c, i % 3 - 1}}));
        b.piece(Wst, search_test::makePiece((i + 1) % 3, 2, {{c, (i * 5) % 4 - 2}}));
        b.piece(Leg, search_test::makePiece(i % 2 + 1, 1, {{a, (i * 7) % 5 - 1}}));
    }
    b.piece(Body, search_test::makePiece(1, 5, {{a, 1}}));
    b.deco(1, {a, 1}, {c, -1});
    b.deco(2, {a, 3}, {c, 1});
    RandomSearch s{b.build(), search_test::conditionFor({wantA, shedC}), {}};
    s.cond.useDecorations = true;
    s.cond.weaponSlots = 1;
    s.cond.allPieces = true;
    s.cond.HitLimit = -1;
    s.snapshot.exclusions = ExceptFlags::sizedFor(s.cat);

    const FastPlan plan = makeFastPlan(s.cat, s.cond, s.snapshot);
    // A hit's number in the enumeration, from 1.
    auto ordinal = [&](const Result& hit) {
        std::uint64_t n = 0;
        for (int part : {Head, Body, Arm, Wst, Leg}) {
            const std::vector<int>& list = plan.lists.parts[part];
            n = n * list.size() + (std::find(list.begin(), list.end(), hit.Index[part]) - list.begin());
        }
        return n + 1;
    };
    auto run = [&](int stopAtWithin, std::vector<SearchProgress>& calls) {
        FastEngine engine(s.cat, 1);
        engine.setWithinPositionInterval(std::chrono::milliseconds(0));
        SearchControl control;
        control.Running = true;
        int within = 0;
        engine.run(s.cond, s.snapshot, control, [&](const SearchProgress& p) {
            calls.push_back(p);
            if (p.withinPosition && ++within == stopAtWithin) control.Running = false;
        });
        return EngineRun{engine.store(), engine.tested(), engine.total(), engine.progress(), {}};
    };

    std::vector<SearchProgress> calls;
    const EngineRun full = run(0, calls);
    EXPECT_EQ(full.hits, runEngine(s, EngineKind::Reference, 1, s.cond).hits);
    const auto within = std::count_if(calls.begin(), calls.end(), [](const SearchProgress& p) { return p.withinPosition; });
    ASSERT_GT(within, 20);
    ASSERT_GT(full.hits.size(), 20u);
    for (std::size_t i = 1; i < calls.size(); ++i) {
        EXPECT_LE(calls[i - 1].Tested, calls[i].Tested) << "call " << i;
        EXPECT_LE(calls[i - 1].Progress, calls[i].Progress) << "call " << i;
        EXPECT_LE(calls[i - 1].hits, calls[i].hits) << "call " << i;
    }

    for (int stopAt : {1, 7, static_cast<int>(within) / 2}) {
        SCOPED_TRACE(stopAt);
        std::vector<SearchProgress> stoppedCalls;
        const EngineRun stopped = run(stopAt, stoppedCalls);
        EXPECT_TRUE(stoppedCalls.back().withinPosition);  // nothing reported after the stop
        EXPECT_GT(stopped.tested, stoppedCalls.back().Tested);
        EXPECT_LT(stopped.tested, full.tested);
        std::size_t before = 0;
        while (before < full.hits.size() && ordinal(full.hits[before]) < stopped.tested) ++before;
        ASSERT_EQ(stopped.hits.size(), before);
        EXPECT_TRUE(std::equal(stopped.hits.begin(), stopped.hits.end(), full.hits.begin()));
    }
}

}  // namespace
}  // namespace vk
