// The possessions page in core: filter views, list operations and the
// summary of the selected rows.

#include <gtest/gtest.h>

#include "core/collections/collections_catalogue.h"
#include "core/collections/possession_summary.h"
#include "core/collections/possession_views.h"

namespace vk::test {
namespace {

std::deque<Possession> headPossessions(const Catalogue& cat) {
    std::deque<Possession> owned;
    for (int row : {1, 2, 4, 3}) owned.push_back(makePossession(cat, Head, row, {}));
    return owned;
}

TEST(PossessionViews, FilterHidesPiecesOfTheOtherSexOrType) {
    const Catalogue cat = collectionsCatalogue();
    const std::deque<Possession> owned = headPossessions(cat);  // 鉄兜, 女兜 (women), 銃兜 (gunners), 鉄兜
    struct Case {
        int sex, type;
        PossView expected;
    };
    const Case cases[] = {{0, 0, {0, 1, 2, 3}}, {1, 0, {0, 2, 3}}, {2, 0, {0, 1, 2, 3}},
                          {0, 1, {0, 1, 3}},    {1, 2, {0, 2, 3}}, {2, 1, {0, 1, 3}}};
    for (const Case& c : cases)
        EXPECT_EQ(filterPossessions(cat, Head, owned, c.sex, c.type), c.expected) << c.sex << "/" << c.type;
}

TEST(PossessionViews, DeleteMoveAndAppendKeepSequenceAndViewInStep) {
    const Catalogue cat = collectionsCatalogue();
    std::deque<Possession> owned = headPossessions(cat);
    PossView view = filterPossessions(cat, Head, owned, 1, 0);  // {0, 2, 3}: 女兜 hidden

    // Down from row 0 swaps with the next visible one, past the hidden 女兜.
    EXPECT_TRUE(swapPossessionRows(owned, view, 0, 1));
    EXPECT_EQ(owned[0].PossIndex, 4);
    EXPECT_EQ(owned[1].PossIndex, 2);
    EXPECT_EQ(owned[2].PossIndex, 1);
    EXPECT_FALSE(swapPossessionRows(owned, view, 2, 3));  // no row below the last

    // Deleting the last row selects the one above; later view entries move down.
    EXPECT_EQ(erasePossessionRow(owned, view, 2), 1);
    EXPECT_EQ(view, (PossView{0, 2}));
    EXPECT_EQ(erasePossessionRow(owned, view, 0), 0);  // the row below takes its place
    EXPECT_EQ(view, (PossView{1}));
    ASSERT_EQ(owned.size(), 2u);
    EXPECT_EQ(owned[view[0]].PossIndex, 1);

    const int decos[] = {2, 0, 99, 1};  // none and unknown rows are left out
    appendPossession(owned, view, makePossession(cat, Head, 2, decos));  // shown whatever the filter
    EXPECT_EQ(view, (PossView{1, 2}));
    EXPECT_EQ(owned.back().PossDecoCount, 2);
    EXPECT_EQ(possessionDecoText(owned.back()), sj("大珠 攻撃珠 "));

    EXPECT_EQ(erasePossessionRow(owned, view, 1), 0);
    EXPECT_EQ(erasePossessionRow(owned, view, 0), -1);  // the only row: no selection
    EXPECT_EQ(erasePossessionRow(owned, view, 0), -1);  // nothing left: nothing happens
    EXPECT_EQ(owned.size(), 1u);                        // the hidden 女兜 stays
}

TEST(PossessionSummary, SelectedRowsMakeTheSetWithItsTablesAndMemo) {
    Catalogue cat = collectionsCatalogue();
    const int decos[] = {2, 1};
    const Possession head = makePossession(cat, Head, 1, decos);
    SelectedPossessions selected{};
    EXPECT_FALSE(anySelected(selected));
    selected[Head] = &head;
    const ShownSet set = possessionShownSet(cat, selected);
    EXPECT_EQ(set.pieces, (std::array<int, 5>{0, 1, 0, 0, 0}));  // no piece elsewhere
    EXPECT_EQ(set.decos.DecoIndex[Head][0], 2);
    EXPECT_EQ(set.decos.DecoIndex[Head][2], 1);  // laid from slot 0: the 2-slot one takes 0 and 1

    const auto rows = EquipPossLVRows(cat, set);
    EXPECT_EQ(rows[0], (PossEquipRow{sj("頭"), "10", "0", "0", "0", "0", "0", "2", sj("大珠 攻撃珠 ")}));
    EXPECT_EQ(rows[4][0], sj("脚"));
    EXPECT_EQ(rows[5], (PossEquipRow{sj("計"), "10", "0", "0", "0", "0", "0", "2", ""}));

    SkillSummary summary;
    RunSkillSummary(cat, set, summary);
    const auto skills = SkillPossLVRows(cat, summary);
    ASSERT_EQ(skills.size(), 1u);
    EXPECT_EQ(skills[0], (PossSkillRow{sj("攻撃"), "5", "", "", "", "", "5"}));
    EXPECT_EQ(PossMemoText(cat, summary), sj("攻撃小 "));

    // Line breaks: after the name that brings its line to 31 bytes or more.
    cat.skillEqs.resize(1);
    for (const char* name : {"AAAAAAAAAA", "BBBBBBBBBB", "CCCCCCCCC", "DDDDDDDDDD", "E"})
        cat.skillEqs.push_back(activation(name, 0, kGreaterEqual, 0));
    summary.activated.assign(cat.skillEqs.size(), 1);
    summary.activated[0] = 0;
    EXPECT_EQ(PossMemoText(cat, summary), "AAAAAAAAAA BBBBBBBBBB CCCCCCCCC\r\nDDDDDDDDDD E ");
    summary.activated[3] = 0;
    EXPECT_EQ(PossMemoText(cat, summary), "AAAAAAAAAA BBBBBBBBBB DDDDDDDDDD\r\nE ");
}

}  // namespace
}  // namespace vk::test
