#include <atomic>

#include <gtest/gtest.h>

#include "core/search/fast/fast_task_grid.h"
#include "core/search/fast/fast_task_pool.h"
#include "core/search/search_fixture.h"

namespace vk {
namespace {

using search_test::CatalogueBuilder;
using search_test::conditionFor;
using search_test::makePiece;

// Ten pieces a part, each enough for the wanted skill alone: nearly every
// combination is a hit, so every slice holds far more hits than the limit.
struct EverythingHits {
    EverythingHits() {
        CatalogueBuilder b;
        const int system = b.system("A");
        const int wanted = b.skill(system, kGreaterEqual, 1);
        for (int part = 0; part < kArmourParts; ++part)
            for (int i = 0; i < 10; ++i) b.piece(part, makePiece(0, i, {{system, 1}}));
        cat = b.build();
        cond = conditionFor({wanted});
        snapshot.exclusions = ExceptFlags::sizedFor(cat);
        control.Running = true;
    }
    Catalogue cat;
    SearchCondition cond;
    SearchSnapshot snapshot;
    SearchControl control;
};

// Once the slices run hold enough hits for the limit, the workers start no
// other slice: at most one per thread was under way when the first ended.
TEST(TaskPool, HitLimitStopsTheLookAhead) {
    for (int threads : {1, 2, 4}) {
        EverythingHits s;
        s.cond.HitLimit = 5;
        const FastPlan plan = makeFastPlan(s.cat, s.cond, s.snapshot);
        const std::size_t bodies = plan.lists.parts[Body].size();
        const TaskGrid grid(plan.lists.parts[Head].size(), bodies, plan.lists.parts[Arm].size(), 200);
        ASSERT_GE(grid.count(), 100u);
        TaskPool pool(plan, s.snapshot.exclusions, grid, threads, s.control);
        const TaskOutcome first = pool.take(0);
        EXPECT_TRUE(first.ended);
        EXPECT_EQ(first.hits.size(), 5u);
        EXPECT_LE(pool.started(), static_cast<std::size_t>(threads)) << threads << " threads";
    }
}

// Without a limit every slice runs, in order, whatever the thread count.
TEST(TaskPool, EverySliceRunsWithoutALimit) {
    EverythingHits s;
    s.cond.HitLimit = -1;
    const FastPlan plan = makeFastPlan(s.cat, s.cond, s.snapshot);
    const TaskGrid grid(plan.lists.parts[Head].size(), plan.lists.parts[Body].size(), plan.lists.parts[Arm].size(), 64);
    TaskPool pool(plan, s.snapshot.exclusions, grid, 2, s.control);
    std::size_t hits = 0;
    for (std::size_t k = 0; k < grid.count(); ++k) hits += pool.take(k).hits.size();
    // Eleven rows a part with the builder's empty piece; only the set of
    // five empty pieces has no points.
    EXPECT_EQ(hits, 11u * 11 * 11 * 11 * 11 - 1);
    EXPECT_EQ(pool.started(), grid.count());
}

// A slice ends once its hits and those surely before it fill the memory
// budget, at its last hit; with the budget filled before it, it keeps none.
TEST(TaskPool, ASliceKeepsOnlyTheHitsTheSearchCanUse) {
    EverythingHits s;
    s.cond.HitLimit = -1;
    constexpr std::size_t kEnding = 10000;
    s.control.MemoryBudget = kEnding * 52;  // a packed row each
    const FastPlan plan = makeFastPlan(s.cat, s.cond, s.snapshot);
    ASSERT_EQ(FastTaskRunner::endingHits(plan, s.control), kEnding);
    const TaskGrid grid(plan.lists.parts[Head].size(), plan.lists.parts[Body].size(), plan.lists.parts[Arm].size(), 1);
    for (std::size_t before : {0u, 9997u, 10000u, 12000u}) {
        FastTaskRunner runner(plan, s.snapshot.exclusions, s.control);
        const std::atomic<std::size_t> known{before};
        std::size_t heard = 0;
        runner.setHitsBefore(&known, [&heard](std::size_t hits) { heard = hits; });
        const TaskOutcome out = runner.run(grid.slice(0));
        const std::size_t kept = before < kEnding ? kEnding - before : 0;
        EXPECT_TRUE(out.ended) << before;
        ASSERT_EQ(out.hits.size(), kept) << before;
        EXPECT_EQ(out.tested, kept > 0 ? out.hitOrdinals.back() : 0) << before;
        EXPECT_EQ(heard, kept / FastTaskRunner::kPublishedHits * FastTaskRunner::kPublishedHits) << before;
    }
}

}  // namespace
}  // namespace vk
