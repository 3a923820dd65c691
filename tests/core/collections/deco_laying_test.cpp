// Laying fitted decorations into a DecoSet row: from slot 0, each at the
// first slot it takes, the row's counts and the total kept consistent.

#include <gtest/gtest.h>

#include "core/collections/collection_catalogue.h"
#include "core/collections/deco_laying.h"

namespace vk::test {
namespace {

constexpr int kAtk1 = 1, kAtk3 = 2, kGrd2 = 3;

TEST(DecoLaying, EachDecorationAtTheFirstSlotItTakes) {
    const Catalogue cat = collectionCatalogue();
    struct Case {
        std::vector<int> decos;
        std::array<int, 3> entries;
        std::array<int, 3> used;
        int count;
    };
    const Case cases[] = {
        {{kGrd2, kAtk1}, {kGrd2, 0, kAtk1}, {1, 1, 1}, 2},
        {{kAtk1, kGrd2}, {kAtk1, kGrd2, 0}, {1, 1, 1}, 2},
        {{kAtk3}, {kAtk3, 0, 0}, {1, 1, 1}, 1},
        {{kAtk1}, {kAtk1, 0, 0}, {1, 0, 0}, 1},
        {{}, {0, 0, 0}, {0, 0, 0}, 0},
        // What would run past the third slot, and rows that are no decoration, stay out.
        {{kGrd2, kGrd2, 0, 99, kAtk1}, {kGrd2, 0, kAtk1}, {1, 1, 1}, 2},
    };
    for (const Case& c : cases) {
        for (int part : {Head, Weapon}) {
            DecoSet set;
            set.place(Body, kAtk3, 3);  // another row, untouched
            set.place(part, kAtk1, 1);  // what the row held before
            layDecorations(set, part, c.decos, cat);
            for (int s = 0; s < 3; ++s) {
                EXPECT_EQ(set.DecoIndex[part][s], c.entries[s]) << "slot " << s;
                EXPECT_EQ(set.SlotUsed[part][s], c.used[s]) << "slot " << s;
            }
            EXPECT_EQ(set.DecoCount[part], c.count);
            EXPECT_EQ(set.SlotsUsed[part], c.used[0] + c.used[1] + c.used[2]);
            EXPECT_EQ(set.DecoIndex[Body][0], kAtk3);
            EXPECT_EQ(set.DecoTotal, 1 + c.count);
        }
    }
}

TEST(DecoLaying, FixedPieceReplacesPieceAndRow) {
    const Catalogue cat = collectionCatalogue();
    FixEquip fix;
    fix.piece[Leg] = 1;
    fix.decos.place(Leg, kAtk1, 1);
    fix.decos.place(Head, kAtk3, 3);
    const std::vector<int> decos = {kGrd2};
    setFixedPiece(fix, Head, 3, decos, cat);
    EXPECT_EQ(fix.piece[Head], 3);
    EXPECT_EQ(fix.piece[Leg], 1);
    EXPECT_EQ(fix.decos.DecoIndex[Head][0], kGrd2);
    EXPECT_EQ(fix.decos.SlotUsed[Head][2], 0);
    EXPECT_EQ(fix.decos.DecoTotal, 2);
    clearDecoRow(fix.decos, Leg);
    EXPECT_EQ(fix.decos.DecoTotal, 1);
    EXPECT_EQ(fix.decos.SlotsUsed[Leg], 0);
}

}  // namespace
}  // namespace vk::test
