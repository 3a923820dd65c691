// The proof of failure of the decoration search: it never calls a search
// failed while some layout pays every wanted skill off (checked against every
// layout of small random cases), it catches skills that compete for the same
// slots, and its subtree form agrees with the single-combination form.

#include <algorithm>
#include <random>
#include <set>

#include <gtest/gtest.h>

#include "core/search/fast/deco_proof.h"

namespace vk {
namespace {

WantedSkills wantedOfKinds(std::initializer_list<int> kinds) {
    WantedSkills w;
    for (int kind : kinds) {
        w.set[w.n] = true;
        w.system[w.n] = w.n + 1;
        w.kind[w.n] = kind;
        ++w.n;
    }
    return w;
}

// Every credit vector some layout reaches with these free slots.
std::set<WantedInts> reachable(const std::vector<DecoProof::Item>& items, const PartSlots& free, int bodyFactor) {
    std::set<WantedInts> total{WantedInts{}};
    for (int p = 0; p < kDecoParts; ++p) {
        const int factor = p == Body ? bodyFactor : 1;
        // What one part can hold: every multiset of items within its slots.
        std::set<std::pair<int, WantedInts>> part{{0, WantedInts{}}};
        for (bool grew = true; grew;) {
            grew = false;
            for (const auto& [used, credit] : std::set(part))
                for (const DecoProof::Item& it : items) {
                    if (used + it.slots > free[p]) continue;
                    WantedInts more = credit;
                    for (int j = 0; j < kWantedSlots; ++j) more[j] += it.credit[j] * factor;
                    grew = part.insert({used + it.slots, more}).second || grew;
                }
        }
        std::set<WantedInts> next;
        for (const WantedInts& t : total)
            for (const auto& [used, credit] : part) {
                WantedInts sum = t;
                for (int j = 0; j < kWantedSlots; ++j) sum[j] += credit[j];
                next.insert(sum);
            }
        total = std::move(next);
    }
    return total;
}

bool paysOff(const WantedSkills& w, const WantedInts& credit, const WantedInts& start) {
    for (int j = 0; j < w.n; ++j) {
        if (isPositiveKind(w.kind[j]) && credit[j] < start[j]) return false;
        if (isNegativeKind(w.kind[j]) && credit[j] > start[j]) return false;
    }
    return true;
}

TEST(DecoProof, NeverFailsASearchSomeLayoutPasses) {
    std::mt19937 rng(13);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int proven = 0;
    int passable = 0;
    for (int round = 0; round < 300; ++round) {
        const WantedSkills w = round % 2 ? wantedOfKinds({kGreaterEqual, kLessEqual, kLess})
                                         : wantedOfKinds({kLessEqual, kGreater});
        std::vector<DecoProof::Item> items(pick(1, 4));
        for (DecoProof::Item& it : items) {
            it.slots = pick(1, 3);
            for (int j = 0; j < w.n; ++j) it.credit[j] = pick(-3, 3);
        }
        const DecoProof proof(items, w, 3);
        PartSlots free{};
        for (int& f : free) f = pick(0, 2);
        const int bodyFactor = pick(1, 2);
        const std::set<WantedInts> layouts = reachable(items, free, bodyFactor);
        for (int t = 0; t < 8; ++t) {
            WantedInts start{};
            for (int j = 0; j < w.n; ++j) start[j] = pick(-8, 8);
            const bool exists =
                std::any_of(layouts.begin(), layouts.end(), [&](const WantedInts& c) { return paysOff(w, c, start); });
            const bool fails = proof.fails(start, free, bodyFactor);
            ASSERT_FALSE(exists && fails) << "round " << round << " start " << t;
            proven += fails;
            passable += exists;
            // The subtree form, with the Leg still open, says the same.
            PartSlots chosen = free;
            chosen[Leg] = 0;
            EXPECT_EQ(proof.failsWithin(start, start, chosen, bodyFactor, proof.mostOf({free[Leg]})), fails);
        }
    }
    // Both answers come up often: the check above is not vacuous.
    EXPECT_GT(proven, 300);
    EXPECT_GT(passable, 300);
}

TEST(DecoProof, SkillsCompetingForTheSameSlotsFailTogether) {
    // Two skills to shed, one slot per point each, one skill to raise by two
    // points a slot: each alone fits in six slots, not all three at once.
    const WantedSkills w = wantedOfKinds({kLessEqual, kLessEqual, kGreaterEqual});
    const std::vector<DecoProof::Item> items = {{1, {-1, 0, 0, 0, 0}}, {2, {0, -2, 1, 0, 0}}, {1, {0, 0, 2, 0, 0}}};
    const DecoProof proof(items, w, 3);
    const PartSlots six{1, 1, 1, 1, 1, 1};
    const PartSlots ten{2, 2, 2, 2, 2, 0};
    struct Case {
        WantedInts start;
        PartSlots free;
        int bodyFactor;
        bool fails;
    } cases[] = {
        {{-6, 0, 0, 0, 0}, six, 1, false},   // six to shed: six one-slot decorations
        {{-7, 0, 0, 0, 0}, six, 1, true},    // seven: not in six slots
        {{-7, 0, 0, 0, 0}, six, 2, false},   // the body counts twice
        {{-3, -2, 0, 0, 0}, six, 1, true},   // three slots, then two more in a part of one slot
        {{-3, -2, 0, 0, 0}, ten, 1, false},  // parts of two slots take the two-slot decoration
        {{-4, 0, 6, 0, 0}, six, 1, true},    // four slots to shed, three to raise: seven of six
        {{-3, 0, 6, 0, 0}, six, 1, false},
        {{2, 3, -5, 0, 0}, six, 1, false},   // nothing needed: met from the start
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start[0] << " " << c.start[1] << " " << c.start[2]);
        EXPECT_EQ(proof.fails(c.start, c.free, c.bodyFactor), c.fails);
        // These cases are decided exactly: the proof fails what no layout passes.
        const std::set<WantedInts> layouts = reachable(items, c.free, c.bodyFactor);
        EXPECT_EQ(std::any_of(layouts.begin(), layouts.end(),
                              [&](const WantedInts& credit) { return paysOff(w, credit, c.start); }),
                  !c.fails);
    }
}

}  // namespace
}  // namespace vk
