// The fixed-equipment dialog's model: the four presets, the fill with its
// filters, fitting and removing decorations, the memos, the name search,
// filter and part changes, sorting, and what OK hands to the caller.

#include <gtest/gtest.h>

#include "core/collections/collection_catalogue.h"
#include "core/collections/fix_dialog_model.h"

namespace vk::test {
namespace {

constexpr int kAlphaHelm = 1, kBetaHelm = 2, kGammaCap = 3, kAlphaHood = 4;
constexpr int kAtk1 = 1, kAtk3 = 2, kGrd2 = 3;

std::vector<int> fitted(const FixDialogModel& m) {
    const FixState& s = m.state();
    return {s.FixDecos.begin(), s.FixDecos.begin() + s.FixDecoCount};
}

// The slot marks, the first line of ValMemo.
std::string slotMarks(const FixDialogModel& m) {
    const std::string val = m.memos().val;
    return sjisToUtf8(val.substr(0, val.find("\r\n")));
}

class FixDialogModelTest : public ::testing::Test {
protected:
    Catalogue cat = collectionCatalogue();
    FixDialogModel model{cat};
};

TEST_F(FixDialogModelTest, FixedPieceTakesTheStoredPieceAndDecorationsUnderLockedFilters) {
    DecoSet stored;
    stored.place(Head, kGrd2, 2);
    model.presetFixedPiece(Head, kGammaCap, stored, /*sex*/ 1, /*type*/ 1);
    model.show();
    const FixState& s = model.state();
    EXPECT_FALSE(s.sexFilterEditable);
    EXPECT_FALSE(s.typeFilterEditable);
    EXPECT_FALSE(s.partChoiceShown);
    // Row 0 (no piece) is offered; the female and the gunner piece are not.
    EXPECT_EQ(model.pieceRows(), (std::vector<int>{0, kAlphaHelm, kGammaCap}));
    EXPECT_EQ(model.selectedPieceRow(), 2);
    EXPECT_EQ(fitted(model), std::vector<int>{kGrd2});
    EXPECT_EQ(s.FreeSlots, 0);
    EXPECT_EQ(sjisToUtf8(model.partCaption()), "頭装備");
    // Skill systems in order of first appearance; the decoration adds 防御.
    EXPECT_EQ(sjisToUtf8(model.memos().fix), "スロット\r\n攻撃\r\n体力\r\n防御\r\n");
    EXPECT_EQ(sjisToUtf8(model.memos().val), "●●－\r\n+1\r\n+2\r\n+2\r\n");
    EXPECT_EQ(model.result(), (FixResult{Head, kGammaCap, {kGrd2}}));
}

TEST_F(FixDialogModelTest, FixedPieceThatFailsTheFiltersFallsBackToTheFirstRow) {
    DecoSet stored;
    stored.place(Head, kAtk3, 3);
    model.presetFixedPiece(Head, kBetaHelm, stored, /*male*/ 1, 1);
    model.show();
    EXPECT_EQ(model.selectedPieceRow(), 0);
    EXPECT_EQ(model.state().FixIndex, 0);
    EXPECT_TRUE(fitted(model).empty());
    EXPECT_EQ(model.result(), (FixResult{Head, 0, {}}));
}

TEST_F(FixDialogModelTest, PossessionModesListFromRowOneWithEditableBothFilters) {
    model.presetPossessionAdd(Head, 0, 2);
    model.show();
    const FixState& s = model.state();
    EXPECT_TRUE(s.partChoiceShown);
    EXPECT_TRUE(s.sexFilterEditable);
    EXPECT_FALSE(s.typeFilterEditable);
    EXPECT_EQ(s.ListFrom, 1);
    EXPECT_EQ(model.pieceRows(), (std::vector<int>{kAlphaHelm, kBetaHelm, kAlphaHood}));
    EXPECT_EQ(model.selectedPieceRow(), 0);
    EXPECT_EQ(model.result(), (FixResult{Head, kAlphaHelm, {}}));
    model.endShow();
    EXPECT_FALSE(model.state().partChoiceShown);
    EXPECT_EQ(model.state().ListFrom, 0);

    Possession owned;
    owned.PossPart = Head;
    owned.PossIndex = kBetaHelm;
    owned.PossDeco = {kAtk1, kGrd2, 0};
    owned.PossDecoCount = 2;
    model.presetPossessionChange(Head, owned, 2, 0);
    model.show();
    EXPECT_TRUE(model.state().changeCaption);
    EXPECT_FALSE(model.state().partChoiceShown);
    EXPECT_EQ(model.pieceRows()[model.selectedPieceRow()], kBetaHelm);
    EXPECT_EQ(fitted(model), (std::vector<int>{kAtk1, kGrd2}));
    EXPECT_EQ(slotMarks(model), "●●●");
    model.endShow();
    EXPECT_FALSE(model.state().changeCaption);
}

TEST_F(FixDialogModelTest, FilterThatListsNothingLeavesNoPieceAndOkIgnored) {
    model.presetPossessionAdd(Head, 0, 0);
    model.show();
    model.setSkillFilter(kTorso);  // no head piece carries it
    EXPECT_TRUE(model.pieceRows().empty());
    EXPECT_EQ(model.state().FixIndex, -1);
    EXPECT_FALSE(model.fit(0));
    EXPECT_EQ(model.result(), std::nullopt);
    EXPECT_TRUE(model.memos().fix.empty());
    // The part choice is ignored while no piece is chosen.
    model.choosePart(Body);
    EXPECT_EQ(model.state().FixPart, Head);
    // A show resets the skill filter.
    model.show();
    EXPECT_EQ(model.state().skillFilter, 0);
    EXPECT_EQ(model.pieceRows().size(), 4u);
}

TEST_F(FixDialogModelTest, WeaponListsNoPiecesAndFitsUpToItsSlots) {
    model.presetMysetPart(Weapon, 0, 2, DecoSet{}, 1, 1);
    model.show();
    EXPECT_TRUE(model.pieceRows().empty());
    EXPECT_EQ(sjisToUtf8(model.partCaption()), "武器");
    EXPECT_EQ(slotMarks(model), "○○－");
    EXPECT_FALSE(model.fit(kAtk3 - 1));  // three slots do not fit into two
    EXPECT_TRUE(model.fit(kAtk1 - 1));
    EXPECT_TRUE(model.fit(kAtk1 - 1));
    EXPECT_FALSE(model.fit(kAtk1 - 1));
    EXPECT_EQ(slotMarks(model), "●●－");
    EXPECT_EQ(sjisToUtf8(model.memos().fix), "スロット\r\n攻撃\r\n防御\r\n");
    EXPECT_EQ(sjisToUtf8(model.memos().val), "●●－\r\n+2\r\n-2\r\n");
    EXPECT_EQ(model.result(), (FixResult{Weapon, -1, {kAtk1, kAtk1}}));
}

TEST_F(FixDialogModelTest, FittingRemovingAndChoosingAnotherPiece) {
    model.presetMysetPart(Head, kBetaHelm, 0, DecoSet{}, 2, 1);
    model.show();
    EXPECT_EQ(slotMarks(model), "○○○");
    EXPECT_TRUE(model.fit(kAtk3 - 1));
    EXPECT_EQ(slotMarks(model), "●●●");
    EXPECT_FALSE(model.fit(kAtk1 - 1));
    EXPECT_FALSE(model.remove(1));
    EXPECT_TRUE(model.remove(0));
    EXPECT_EQ(slotMarks(model), "○○○");

    // Three one-slot fits, the middle one removed: the last moves down.
    EXPECT_TRUE(model.fit(kAtk1 - 1));
    EXPECT_TRUE(model.fit(kGrd2 - 1));
    EXPECT_FALSE(model.fit(kAtk1 - 1));
    EXPECT_TRUE(model.remove(0));
    EXPECT_EQ(fitted(model), std::vector<int>{kGrd2});
    EXPECT_EQ(model.state().FixDecos[1], 0);
    EXPECT_EQ(sjisToUtf8(model.fittedCell(0, 0)), "Grd2");
    EXPECT_EQ(sjisToUtf8(model.fittedCell(0, 1)), "防御+2 ");

    // Another piece drops the fitted decorations.
    model.selectPiece(1);  // AlphaHelm: one slot
    EXPECT_TRUE(fitted(model).empty());
    EXPECT_EQ(slotMarks(model), "○－－");
    model.deselectPiece();
    EXPECT_FALSE(model.fit(kAtk1 - 1));
    EXPECT_EQ(model.result(), std::nullopt);
}

TEST_F(FixDialogModelTest, NameSearchIsCaseInsensitiveContainmentWithOneWrap) {
    model.presetFixedPiece(Head, 0, DecoSet{}, 0, 0);
    model.show();  // rows: the none row, AlphaHelm, betaHelm, GammaCap, alphaHood
    struct Case {
        int selected;
        const char* text;
        int found;
    };
    const Case cases[] = {
        {0, "ALPHA", 1},   // from the row after the selected one
        {1, "alpha", 4},   // the next match below
        {4, "alpha", 1},   // last row selected: from the first row
        {2, "HOOD", 4},
        {3, "helm", 1},    // only above: found after the wrap
        {2, "beta", 2},    // the selected row itself is reached by the wrap
        {1, "zzz", -1},
        {1, "", -1},
    };
    for (const Case& c : cases) {
        model.selectPiece(c.selected);
        const int found = model.findByName(sj(c.text));
        EXPECT_EQ(found, c.found) << c.text << " from " << c.selected;
        EXPECT_EQ(model.selectedPieceRow(), c.found < 0 ? c.selected : c.found) << c.text;
    }
    // Found again, the chosen piece keeps what is fitted to it.
    model.selectPiece(kBetaHelm);
    ASSERT_TRUE(model.fit(kGrd2 - 1));
    EXPECT_EQ(model.findByName(sj("beta")), kBetaHelm);
    EXPECT_EQ(fitted(model), std::vector<int>{kGrd2});
}

TEST_F(FixDialogModelTest, FilterAndPartChangesDropTheChoiceAndRefill) {
    model.presetPossessionAdd(Head, 0, 0);
    model.setSexFilter(2);  // before the first show: nothing happens
    EXPECT_EQ(model.state().sexFilter, 2);
    EXPECT_TRUE(model.pieceRows().empty());
    model.setSexFilter(0);
    model.show();
    model.selectPiece(1);  // betaHelm
    ASSERT_TRUE(model.fit(kGrd2 - 1));
    model.setSexFilter(1);
    EXPECT_EQ(model.pieceRows(), (std::vector<int>{kAlphaHelm, kGammaCap, kAlphaHood}));
    EXPECT_EQ(model.state().FixIndex, kAlphaHelm);
    EXPECT_TRUE(fitted(model).empty());
    EXPECT_EQ(model.state().FreeSlots, 1);

    model.setSkillFilter(kStamina);
    EXPECT_EQ(model.pieceRows(), std::vector<int>{kGammaCap});
    model.choosePart(Leg);
    EXPECT_EQ(model.state().FixPart, Leg);
    EXPECT_EQ(model.pieceRows(), std::vector<int>{1});
    EXPECT_EQ(model.result(), (FixResult{Leg, 1, {}}));
    const int itemParts[] = {Head, Body, Arm, Wst, Leg};  // FixPartRG's items from the top
    for (int item = 0; item < 5; ++item) {
        EXPECT_EQ(partOfFixPartItem(item), itemParts[item]);
        EXPECT_EQ(fixPartItemOfPart(itemParts[item]), item);
    }
    EXPECT_EQ(partOfFixPartItem(5), -1);
    EXPECT_EQ(fixPartItemOfPart(Weapon), -1);
}

TEST_F(FixDialogModelTest, HeaderClicksSortAscendingThenReverse) {
    model.presetFixedPiece(Head, kGammaCap, DecoSet{}, 0, 0);
    model.show();
    model.sortPieces(kFixPieceName);  // case-insensitive; the none row's empty name first
    EXPECT_EQ(model.pieceRows(), (std::vector<int>{0, kAlphaHelm, kAlphaHood, kBetaHelm, kGammaCap}));
    EXPECT_EQ(model.pieceRows()[model.selectedPieceRow()], kGammaCap);
    model.sortPieces(kFixPieceName);
    EXPECT_EQ(model.pieceRows(), (std::vector<int>{kGammaCap, kBetaHelm, kAlphaHood, kAlphaHelm, 0}));
    model.sortPieces(kFixPieceDefence);  // another column: ascending again
    EXPECT_EQ(model.pieceRows(), (std::vector<int>{0, kAlphaHood, kAlphaHelm, kGammaCap, kBetaHelm}));
    EXPECT_EQ(model.state().FixSort, (ListSort{kFixPieceDefence, false}));

    model.sortDecos(kFixDecoSlots);
    model.sortDecos(kFixDecoSlots);
    EXPECT_EQ(model.decoRows(), (std::vector<int>{kAtk3, kGrd2, kAtk1}));
    model.sortDecos(kFixDecoSkills);
    EXPECT_EQ(sjisToUtf8(model.decoCell(0, kFixDecoSkills)), "攻撃+1 防御-1 ");
    EXPECT_EQ(model.decoCell(0, kFixDecoId), "1");
}

}  // namespace
}  // namespace vk::test
