#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/search/hits/result_view.h"

namespace vk {
namespace {

Equip pieceOf(int defence, int slots) {
    Equip e;
    e.defence = defence;
    e.slots = slots;
    return e;
}

Result hit(int leg, int head) {
    Result r;
    r.Index[Leg] = leg;
    r.Index[Head] = head;
    r.No = 99;  // numbering overwrites whatever the store holds
    r.Defence = -7;
    return r;
}

Possession owned(int part, int row) {
    Possession p;
    p.PossPart = part;
    p.PossIndex = row;
    return p;
}

std::vector<int> numbersOf(const ResultView& view, int column) {
    std::vector<int> out;
    for (std::size_t i = 0; i < view.count(); ++i) out.push_back(view.sortedEntry(column, i).No);
    return out;
}

std::vector<int> shownNumbers(const ResultView& view) {
    std::vector<int> out;
    for (std::size_t row = 0; row < view.count(); ++row) out.push_back(view.hitAtRow(row)->No);
    return out;
}

// Leg rows: 0 (0 defence, 0 slots), 1 (10, 1), 2 (20, 3); Head row 1 (5, 0).
// Leg row 1 is owned twice, Head row 1 once.
class ResultViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        catalogue.equip[Leg] = {pieceOf(0, 0), pieceOf(10, 1), pieceOf(20, 3)};
        catalogue.equip[Head] = {pieceOf(0, 0), pieceOf(5, 0)};
        for (int part : {Body, Arm, Wst}) catalogue.equip[part] = {pieceOf(0, 0)};
        possessions[Leg] = {owned(Leg, 1), owned(Leg, 1)};
        possessions[Head] = {owned(Head, 1)};
        // Hits 1..6: defence 20, 15, 10, 25, 0, 10; slots 3, 1, 1, 3, 0, 1;
        // owned parts 0, 2, 1, 1, 0, 1.
        store = {hit(2, 0), hit(1, 1), hit(1, 0), hit(2, 1), hit(0, 0), hit(1, 0)};
        BuildResultView(view, store, catalogue, possessions);
    }
    Catalogue catalogue;
    PossessionLists possessions;
    ResultStore store;
    ResultView view;
};

TEST_F(ResultViewTest, NumbersSumsAndCountsOwnedPartsOnce) {
    ASSERT_EQ(view.count(), 6u);
    const int defence[] = {20, 15, 10, 25, 0, 10}, slots[] = {3, 1, 1, 3, 0, 1}, owned[] = {0, 2, 1, 1, 0, 1};
    const std::deque<Result> numbered = view.numbered();
    for (int i = 0; i < 6; ++i) {
        const Result& r = numbered[i];
        EXPECT_EQ(r.No, i + 1);
        EXPECT_EQ(r.Defence, defence[i]) << "hit " << i + 1;
        EXPECT_EQ(r.Slot, slots[i]) << "hit " << i + 1;
        EXPECT_EQ(r.Possessed, owned[i]) << "hit " << i + 1;
    }
    EXPECT_EQ(numbered[0].Index, store[0].Index);

    // Numbered hits (a loaded file) read back as they were given; the
    // hits kept for saving carry no number and no sums.
    ResultView loaded;
    loaded.assign(numbered);
    EXPECT_EQ(loaded.numbered(), numbered);
    EXPECT_EQ(loaded.hitByNo(4), numbered[3]);
    for (const Result& hit : loaded.unnumbered()) {
        EXPECT_EQ(hit.No, 0);
        EXPECT_EQ(hit.Defence, 0);
        EXPECT_EQ(hit.Possessed, 0);
    }
}

TEST_F(ResultViewTest, SortedCopiesAreAscendingAndKeepSearchOrderAmongEqualKeys) {
    EXPECT_EQ(numbersOf(view, kColumnNo), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(numbersOf(view, kColumnDefence), (std::vector<int>{5, 3, 6, 2, 1, 4}));
    EXPECT_EQ(numbersOf(view, kColumnSlot), (std::vector<int>{5, 2, 3, 6, 1, 4}));
    EXPECT_EQ(numbersOf(view, kColumnPossessed), (std::vector<int>{1, 5, 3, 4, 6, 2}));
}

TEST_F(ResultViewTest, ColumnClicksFlipTheShownColumnAndStartOthersAscending) {
    EXPECT_EQ(view.SortColumn(), kColumnNo);
    EXPECT_FALSE(view.SortDescending());
    view.clickColumn(kColumnDefence);
    EXPECT_EQ(shownNumbers(view), (std::vector<int>{5, 3, 6, 2, 1, 4}));
    view.clickColumn(kColumnDefence);
    EXPECT_TRUE(view.SortDescending());
    EXPECT_EQ(shownNumbers(view), (std::vector<int>{4, 1, 2, 6, 3, 5}));
    view.clickColumn(kColumnNo);
    EXPECT_EQ(view.SortColumn(), kColumnNo);
    EXPECT_FALSE(view.SortDescending());
    EXPECT_EQ(shownNumbers(view), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    view.clickColumn(7);  // no such column
    EXPECT_EQ(view.SortColumn(), kColumnNo);
    EXPECT_FALSE(view.SortDescending());
}

TEST_F(ResultViewTest, RowTextsFollowTheShownOrderAndAreEmptyBeyondTheHits) {
    view.clickColumn(kColumnPossessed);
    view.clickColumn(kColumnPossessed);
    EXPECT_EQ(view.rowTexts(0), (ResultRowTexts{"2", "15", "1", "2"}));
    EXPECT_EQ(view.rowTexts(5), (ResultRowTexts{"1", "20", "3", "0"}));
    EXPECT_EQ(view.rowTexts(6), ResultRowTexts{});
    EXPECT_EQ(view.hitAtRow(6), std::nullopt);
}

TEST_F(ResultViewTest, HitsAreFoundByNumberWhateverTheShownOrder) {
    view.clickColumn(kColumnSlot);
    ASSERT_NE(view.hitByNo(4), std::nullopt);
    EXPECT_EQ(view.hitByNo(4)->Defence, 25);
    EXPECT_EQ(view.hitByCaption("2")->Defence, 15);
    EXPECT_EQ(view.hitByNo(0), std::nullopt);
    EXPECT_EQ(view.hitByNo(7), std::nullopt);
    EXPECT_EQ(view.hitByCaption("x"), std::nullopt);
}

TEST_F(ResultViewTest, ClearEmptiesTheListsAndShowsNumbersAscending) {
    view.clickColumn(kColumnSlot);
    view.clear();
    EXPECT_EQ(view.count(), 0u);
    EXPECT_EQ(view.hitAtRow(0), std::nullopt);
    EXPECT_EQ(view.SortColumn(), kColumnNo);
    EXPECT_EQ(view.rowTexts(0), ResultRowTexts{});
}

TEST(ResultViewFind, TypedNumberFindsItsRowOnlyWhileOrderedByNumber) {
    Catalogue catalogue;
    for (auto& table : catalogue.equip) table = {Equip{}};
    ResultStore store;
    for (int i = 0; i < 20; ++i) store.push_back(Result{});
    ResultView view;
    BuildResultView(view, store, catalogue, PossessionLists{});

    EXPECT_EQ(view.findRow("12"), std::optional<std::size_t>(11));
    view.clickColumn(kColumnNo);  // descending: hit 20 is row 0, hit 12 row 8
    EXPECT_EQ(view.findRow("12"), std::optional<std::size_t>(8));
    EXPECT_EQ(view.hitAtRow(8)->No, 12);
    EXPECT_EQ(view.findRow("20"), std::optional<std::size_t>(0));
    for (const char* typed : {"0", "21", "-3", "", "1x", "abc"}) EXPECT_EQ(view.findRow(typed), std::nullopt) << typed;

    view.clickColumn(kColumnDefence);
    EXPECT_EQ(view.findRow("12"), std::nullopt);
}

TEST(ResultViewLarge, HundredThousandHitsSortStablyByEveryKey) {
    Catalogue catalogue;
    std::mt19937 random(7);
    for (auto& table : catalogue.equip)
        for (int row = 0; row < 30; ++row) {
            Equip e;
            e.defence = static_cast<int>(random() % 40);
            e.slots = static_cast<int>(random() % 4);
            table.push_back(e);
        }
    PossessionLists possessions;
    for (int part = 0; part < kArmourParts; ++part)
        for (int row = 0; row < 30; row += 3) possessions[part].push_back(owned(part, row));
    ResultStore store;
    for (int i = 0; i < 100000; ++i) {
        Result r;
        for (auto& index : r.Index) index = static_cast<int>(random() % 30);
        store.push_back(r);
    }
    ResultView view;
    BuildResultView(view, store, catalogue, possessions);
    ASSERT_EQ(view.count(), 100000u);
    for (int column = kColumnDefence; column < kResultColumns; ++column) {
        for (std::size_t i = 1; i < view.count(); ++i) {
            const Result a = view.sortedEntry(column, i - 1);
            const Result b = view.sortedEntry(column, i);
            const int ka = column == kColumnDefence ? a.Defence : column == kColumnSlot ? a.Slot : a.Possessed;
            const int kb = column == kColumnDefence ? b.Defence : column == kColumnSlot ? b.Slot : b.Possessed;
            ASSERT_TRUE(ka < kb || (ka == kb && a.No < b.No)) << "column " << column << " at " << i;
        }
    }
}

// Few values (most keys equal), a few hundred, and keys spread over the whole
// int range: each order is the merge sort's of search positions by key, and
// the descending list is that order backwards.
TEST(ResultViewLarge, OrdersAreTheStableSortsOfTheKeysInBothDirections) {
    std::mt19937 random(11);
    for (const auto& [lo, hi] : {std::pair{-1, 1}, std::pair{-150, 150}, std::pair{INT32_MIN, INT32_MAX}}) {
        std::uniform_int_distribution<std::int32_t> key(lo, hi);
        std::deque<Result> hits(20000);
        std::array<std::vector<std::int32_t>, kResultColumns> keys;
        for (std::size_t i = 0; i < hits.size(); ++i) {
            hits[i].No = static_cast<int>(i + 1);
            hits[i].Defence = key(random);
            hits[i].Slot = static_cast<std::int16_t>(key(random));
            hits[i].Possessed = static_cast<std::int16_t>(key(random) % 6);
            keys[kColumnDefence].push_back(hits[i].Defence);
            keys[kColumnSlot].push_back(hits[i].Slot);
            keys[kColumnPossessed].push_back(hits[i].Possessed);
        }
        ResultView view;
        view.assign(hits);
        for (int column = kColumnDefence; column < kResultColumns; ++column) {
            std::vector<int> expected(hits.size());
            std::iota(expected.begin(), expected.end(), 0);
            const auto& k = keys[column];
            std::stable_sort(expected.begin(), expected.end(), [&k](int a, int b) { return k[a] < k[b]; });
            for (int& position : expected) ++position;  // hit numbers
            EXPECT_EQ(numbersOf(view, column), expected) << "column " << column << ", keys " << lo << ".." << hi;
            view.clickColumn(column);
            if (!view.SortDescending()) view.clickColumn(column);
            std::vector<int> descending;
            for (std::size_t row = 0; row < view.count(); ++row) descending.push_back(view.hitAtRow(row)->No);
            EXPECT_TRUE(std::equal(descending.begin(), descending.end(), expected.rbegin())) << "column " << column;
        }
    }
}

}  // namespace
}  // namespace vk
