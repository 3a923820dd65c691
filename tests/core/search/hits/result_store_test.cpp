#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/search/hits/result_store.h"

namespace vk {
namespace {

// A hit as the engines make it: pieces, and decorations placed in order.
Result placedHit(int seed) {
    Result r;
    for (int p = 0; p < kArmourParts; ++p) r.Index[p] = (seed * (p + 7)) % 400;
    r.Decos.place(seed % kDecoParts, 1 + seed % 150, 1);
    r.Decos.place(Weapon, 2 + seed % 90, 2);
    return r;
}

struct Case {
    std::string name;
    std::function<void(Result&)> change;
    bool packs;  // fits a packed row rather than being kept whole
};

// Every hit reads back exactly as stored, whether it fits a packed row or
// not; the ones that fit cost a packed row and nothing more.
TEST(ResultStore, EveryHitReadsBackAsStored) {
    const std::vector<Case> cases = {
        {"engine hit", [](Result&) {}, true},
        {"no piece (-1)", [](Result& r) { r.Index[Arm] = -1; }, true},
        {"largest packed row", [](Result& r) { r.Index[Leg] = 0xFFFE; }, true},
        {"largest packed decoration", [](Result& r) { r.Decos.DecoIndex[Weapon][2] = 0xFFFE; }, true},
        {"row above 16 bits", [](Result& r) { r.Index[Leg] = 0xFFFF; }, false},
        {"negative row", [](Result& r) { r.Index[Head] = -2; }, false},
        {"negative decoration", [](Result& r) { r.Decos.DecoIndex[Leg][1] = -5; }, false},
        {"numbered", [](Result& r) { r.No = 3; }, false},
        {"summed", [](Result& r) { r.Defence = 120; }, false},
        {"owned count", [](Result& r) { r.Possessed = 2; }, false},
        {"slot flag 2", [](Result& r) { r.Decos.SlotUsed[Body][0] = 2; }, false},
        {"four slots used", [](Result& r) { r.Decos.SlotsUsed[Head] = 4; }, false},
        {"count off the total", [](Result& r) { ++r.Decos.DecoTotal; }, false},
        {"negative count", [](Result& r) { r.Decos.DecoCount[Wst] = -1; }, false},
    };
    ResultStore store;
    std::vector<Result> stored;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        Result hit = placedHit(static_cast<int>(k) + 1);
        cases[k].change(hit);
        store.push_back(hit);
        stored.push_back(hit);
        // What many such hits cost: a packed row each, or the whole record.
        constexpr std::size_t kCopies = 2000;
        ResultStore many;
        for (std::size_t c = 0; c < kCopies; ++c) many.push_back(hit);
        EXPECT_EQ(many.memoryBytes() < kCopies * sizeof(Result), cases[k].packs) << cases[k].name;
    }
    ASSERT_EQ(store.size(), stored.size());
    for (std::size_t k = 0; k < stored.size(); ++k) {
        EXPECT_EQ(store[k], stored[k]) << cases[k].name;
        const ResultStore::StoredRows rows = store.storedRows(k);
        for (int p = 0; p < kArmourParts; ++p) EXPECT_EQ(rows.pieces[p], stored[k].Index[p]) << cases[k].name;
        for (int p = 0; p < kDecoParts; ++p)
            for (int s = 0; s < kSlotsPerPart; ++s)
                EXPECT_EQ(rows.decos[p * kSlotsPerPart + s], stored[k].Decos.DecoIndex[p][s]) << cases[k].name;
    }

    // Copied hit by hit in another order, packed rows and whole hits alike
    // keep their content at their new positions.
    ResultStore reversed;
    for (std::size_t k = stored.size(); k-- > 0;) reversed.appendFrom(store, k);
    for (std::size_t k = 0; k < stored.size(); ++k) EXPECT_EQ(reversed[stored.size() - 1 - k], stored[k]);
}

TEST(ResultStore, ManyHitsCostAPackedRowEachAndKeepTheirOrder) {
    constexpr int kHits = 10 * 4096 + 17;  // crosses segment ends
    ResultStore store;
    for (int i = 0; i < kHits; ++i) store.push_back(placedHit(i));
    ASSERT_EQ(store.size(), static_cast<std::size_t>(kHits));
    int i = 0;
    for (const Result& hit : store) ASSERT_EQ(hit, placedHit(i++));
    EXPECT_EQ(i, kHits);
    EXPECT_EQ(store.back(), placedHit(kHits - 1));
    EXPECT_LT(store.memoryBytes(), static_cast<std::size_t>(kHits) * 60);

    ResultStore copy = store;
    EXPECT_EQ(copy, store);
    Result numberedHit = placedHit(3);
    numberedHit.No = 9;  // kept whole
    // A store moved from is empty and usable: the window takes the engine's
    // hits this way and the engine searches again with the same store.
    ResultStore taken = std::move(copy);
    EXPECT_EQ(taken, store);
    EXPECT_TRUE(copy.empty());
    EXPECT_EQ(copy.begin(), copy.end());
    copy.push_back(placedHit(7));
    EXPECT_EQ(copy.size(), 1u);
    EXPECT_EQ(copy[0], placedHit(7));
    taken.clear();
    EXPECT_TRUE(taken.empty());
    EXPECT_NE(taken, store);

    // Taken hit by hit into a store holding whole hits, hits read and weigh
    // as copied ones; cut back, the store keeps its first hits and less room.
    ResultStore source = store, moved, appended;
    source.push_back(numberedHit);
    for (ResultStore* into : {&moved, &appended}) into->push_back(numberedHit);
    for (std::size_t k = 0; k < source.size(); ++k) {
        appended.appendFrom(source, k);
        moved.takeFrom(source, k);
    }
    EXPECT_EQ(moved, appended);
    EXPECT_EQ(moved.memoryBytes(), appended.memoryBytes());
    for (std::size_t n : {std::size_t{kHits} + 2, std::size_t{4096} * 3 + 1, std::size_t{4096}, std::size_t{1}}) {
        const std::size_t room = moved.memoryBytes();
        moved.truncate(n);
        ASSERT_EQ(moved.size(), n);
        EXPECT_EQ(moved.back(), appended[n - 1]);
        EXPECT_EQ(moved.memoryBytes() < room, n < kHits + 2u) << n;
    }
}

}  // namespace
}  // namespace vk
