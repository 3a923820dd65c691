// Catalogues with numbers at the ends of int and slot counts out of range,
// read into range as the loader reads them: both engines find the same hits,
// a decoration that never fits is never placed, and no total wraps.

#include <climits>

#include <gtest/gtest.h>

#include "core/search/engine/engine_factory.h"
#include "core/search/search_fixture.h"

namespace vk {
namespace {

using search_test::CatalogueBuilder;
using search_test::conditionFor;
using search_test::makePiece;

ResultStore hitsOf(const Catalogue& cat, const SearchCondition& cond, EngineKind kind) {
    const auto engine = makeSearchEngine(cat, kind, 2);
    SearchControl control;
    control.Running = true;
    SearchSnapshot snapshot;
    snapshot.exclusions = ExceptFlags::sizedFor(cat);
    engine->run(cond, snapshot, control, nullptr);
    return engine->store();
}

// The hits of the reference engine, after checking that the fast one agrees.
ResultStore agreedHits(const Catalogue& cat, const SearchCondition& cond) {
    const ResultStore reference = hitsOf(cat, cond, EngineKind::Reference);
    const ResultStore fast = hitsOf(cat, cond, EngineKind::Fast);
    EXPECT_EQ(fast.size(), reference.size());
    for (std::size_t i = 0; i < std::min(fast.size(), reference.size()); ++i) EXPECT_EQ(fast[i], reference[i]) << i;
    return reference;
}

bool uses(const Result& hit, int deco) {
    for (const auto& part : hit.Decos.DecoIndex)
        for (int d : part)
            if (d == deco) return true;
    return false;
}

TEST(ExtremeValues, DecorationsWithSlotsOutOfRangeNeverFit) {
    for (const int slots : {INT_MIN, -2, -1, 0, 4, INT_MAX}) {
        SCOPED_TRACE(slots);
        CatalogueBuilder b;
        const int a = b.system("a");
        const int wanted = b.skill(a, kGreaterEqual, 3);
        for (int part = 0; part < kArmourParts; ++part) b.piece(part, makePiece(part == Head ? 3 : 1, 1, {{a, 1}}));
        b.piece(Head, makePiece(0, 1, {{a, 2}}));  // short by one point, without a slot
        const int bad = b.deco(slots, {a, 50});     // would meet the skill on its own
        const int good = b.deco(1, {a, 1});
        const Catalogue cat = b.build();
        SearchCondition cond = conditionFor({wanted});
        cond.useDecorations = true;
        cond.weaponSlots = 3;
        cond.allPieces = true;

        const ResultStore hits = agreedHits(cat, cond);
        ASSERT_FALSE(hits.empty()) << "the good decoration still fits";
        bool goodUsed = false;
        for (const Result& hit : hits) {
            EXPECT_FALSE(uses(hit, bad));
            goodUsed = goodUsed || uses(hit, good);
            for (int p = 0; p < kDecoParts; ++p) {
                EXPECT_GE(hit.Decos.SlotsUsed[p], 0);
                EXPECT_LE(hit.Decos.SlotsUsed[p], kSlotsPerPart);
            }
        }
        EXPECT_TRUE(goodUsed);
    }
}

TEST(ExtremeValues, TotalsOfExtremePointsDoNotWrap) {
    struct Case {
        int points;      // every entry of every piece
        int kind;
        int threshold;
        bool hits;       // whether every set activates the skill
    };
    const std::vector<Case> cases = {
        {INT_MAX, kGreaterEqual, 10, true},  {INT_MIN, kLessEqual, -10, true},
        {INT_MAX, kLess, 0, false},          {INT_MIN, kGreater, 0, false},
        {INT_MAX, kGreaterEqual, INT_MAX, false},  // a threshold out of reach stays out of reach
        {INT_MIN, kLessEqual, INT_MIN, false},     {INT_MAX, kGreater, INT_MIN, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.points) + " kind " + std::to_string(c.kind) + " " + std::to_string(c.threshold));
        CatalogueBuilder b;
        const int a = b.system("a");
        const int torso = b.torsoUpSystem();
        const int wanted = b.skill(a, c.kind, c.threshold);
        for (int part = 0; part < kArmourParts; ++part) {
            b.piece(part, makePiece(3, INT_MAX, {{a, c.points}, {a, c.points}, {a, c.points}, {a, c.points}, {a, c.points}}));
            if (part != Body) b.piece(part, makePiece(3, INT_MIN, {{torso, 0}, {torso, 0}, {torso, 0}, {torso, 0}, {torso, 0}}));
        }
        b.deco(1, {a, c.points}, {a, c.points});
        const Catalogue cat = b.build();
        SearchCondition cond = conditionFor({wanted});
        cond.allPieces = true;
        cond.useDecorations = true;
        cond.weaponSlots = 3;
        cond.minDefence = INT_MIN;

        const ResultStore hits = agreedHits(cat, cond);
        // Row 0 of every part adds nothing; the others all push the total
        // the same way, so either every set with a body piece activates or none.
        std::size_t withBody = 0;
        for (const Result& hit : hits) withBody += hit.Index[Body] == 1;
        if (c.hits)
            EXPECT_EQ(withBody, std::size_t{3 * 3 * 3 * 3}) << "every set with the body piece";
        else
            EXPECT_EQ(withBody, 0u);
    }
}

}  // namespace
}  // namespace vk
