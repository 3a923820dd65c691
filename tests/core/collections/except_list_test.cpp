// The exclusion dialog's check list: rows per part choice, the working copy
// behind the check marks, rarity-wide ON/OFF and the header sorts.

#include <gtest/gtest.h>

#include "core/collections/collection_catalogue.h"
#include "core/collections/except_list.h"

namespace vk::test {
namespace {

std::vector<std::pair<int, int>> listed(const ExceptList& list) {
    std::vector<std::pair<int, int>> rows;
    for (const ExceptRow& r : list.rows()) rows.emplace_back(r.part, r.id);
    return rows;
}

int rowOf(const ExceptList& list, int part, int id) {
    for (std::size_t i = 0; i < list.rows().size(); ++i)
        if (list.rows()[i].part == part && list.rows()[i].id == id) return static_cast<int>(i);
    return -1;
}

class ExceptListTest : public ::testing::Test {
protected:
    Catalogue cat = collectionCatalogue();
    ExceptList list{cat};
};

TEST_F(ExceptListTest, EachPartChoiceListsItsRowsFromOne) {
    list.open(ExceptFlags::sizedFor(cat));
    const std::pair<int, std::vector<std::pair<int, int>>> cases[] = {
        {kExceptAllParts, {{Leg, 1}, {Head, 1}, {Head, 2}, {Head, 3}, {Head, 4}, {Body, 1}, {5, 1}, {5, 2}, {5, 3}}},
        {kExceptHead, {{Head, 1}, {Head, 2}, {Head, 3}, {Head, 4}}},
        {kExceptBody, {{Body, 1}}},
        {kExceptArm, {}},
        {kExceptLeg, {{Leg, 1}}},
        {kExceptDecos, {{5, 1}, {5, 2}, {5, 3}}},
    };
    for (const auto& [item, rows] : cases) {
        list.fill(item);
        EXPECT_EQ(listed(list), rows) << "item " << item;
    }
    list.fill(kExceptAllParts);
    const int gamma = rowOf(list, Head, 3);
    EXPECT_EQ(sjisToUtf8(list.cell(gamma, kExceptName)), "GammaCap");
    EXPECT_EQ(list.cell(gamma, kExceptRarity), "3");
    EXPECT_EQ(sjisToUtf8(list.cell(gamma, kExceptSkills)), "攻撃+1 体力+2 ");
    EXPECT_EQ(list.cell(gamma, kExceptPart), "1");
    EXPECT_EQ(list.cell(gamma, kExceptId), "3");
    EXPECT_EQ(list.cell(rowOf(list, Head, 4), kExceptSkills), "");
    EXPECT_EQ(sjisToUtf8(list.cell(rowOf(list, 5, 1), kExceptSkills)), "攻撃+1 防御-1 ");
    EXPECT_EQ(list.cell(rowOf(list, 5, 1), kExceptPart), "5");
}

TEST_F(ExceptListTest, ChecksLiveInTheWorkingCopyAcrossPartSwitches) {
    ExceptFlags flags = ExceptFlags::sizedFor(cat);
    flags.deco[2] = 1;
    list.open(flags);
    list.fill(kExceptHead);
    list.setChecked(1, true);  // betaHelm
    list.fill(kExceptLeg);
    list.fill(kExceptHead);
    EXPECT_TRUE(list.isChecked(1));
    EXPECT_FALSE(list.isChecked(0));
    list.fill(kExceptDecos);
    EXPECT_TRUE(list.isChecked(1));
    EXPECT_EQ(list.working().equip[Head][2], 1);
    EXPECT_EQ(flags.equip[Head][2], 0);  // the caller's flags stay as they were

    // Reopening starts from the caller's flags again, sized to the catalogue.
    ExceptFlags shortFlags;
    shortFlags.equip[Head] = {0, 1};
    list.open(shortFlags);
    EXPECT_EQ(list.working().equip[Head], (std::vector<std::uint8_t>{0, 1, 0, 0, 0}));
    EXPECT_EQ(list.working().deco.size(), cat.decos.size());
}

TEST_F(ExceptListTest, RarityOnAndOffTouchOnlyListedRowsOfThatRarity) {
    list.open(ExceptFlags::sizedFor(cat));
    list.fill(kExceptBody);
    list.setRarity(2, true);  // "３"
    EXPECT_EQ(list.working().equip[Body][1], 1);
    EXPECT_EQ(list.working().equip[Head][2], 0);
    list.fill(kExceptAllParts);
    list.setRarity(2, true);
    ExceptFlags expected = ExceptFlags::sizedFor(cat);
    expected.equip[Head][2] = expected.equip[Head][3] = expected.equip[Body][1] = 1;
    expected.deco[2] = 1;
    EXPECT_EQ(list.working().equip, expected.equip);
    EXPECT_EQ(list.working().deco, expected.deco);
    list.fill(kExceptHead);
    list.setRarity(2, false);
    EXPECT_EQ(list.working().equip[Head][2], 0);
    EXPECT_EQ(list.working().equip[Body][1], 1);
    EXPECT_EQ(list.working().deco[2], 1);
}

TEST_F(ExceptListTest, HeaderClicksSortAndReopeningResets) {
    list.open(ExceptFlags::sizedFor(cat));
    list.fill(kExceptAllParts);
    const auto fillOrder = listed(list);
    list.sortBy(kExceptCheck);
    EXPECT_EQ(listed(list), fillOrder);
    list.sortBy(kExceptCheck);
    EXPECT_EQ(listed(list), std::vector(fillOrder.rbegin(), fillOrder.rend()));
    list.sortBy(kExceptName);  // case-insensitive, ascending
    std::vector<std::string> names;
    for (int r = 0; r < static_cast<int>(list.rows().size()); ++r) names.push_back(sjisToUtf8(list.cell(r, kExceptName)));
    EXPECT_EQ(names, (std::vector<std::string>{"AlphaHelm", "alphaHood", "Atk1", "Atk3", "betaHelm", "GammaCap",
                                               "Grd2", "Greaves", "Vest"}));
    list.sortBy(kExceptRarity);
    EXPECT_EQ(list.sort(), (ListSort{kExceptRarity, false}));
    for (int r = 1; r < static_cast<int>(list.rows().size()); ++r)
        EXPECT_LE(list.cell(r - 1, kExceptRarity), list.cell(r, kExceptRarity));
    list.open(ExceptFlags::sizedFor(cat));
    EXPECT_EQ(list.sort(), ListSort{});
    list.fill(kExceptAllParts);
    EXPECT_EQ(listed(list), fillOrder);
}

}  // namespace
}  // namespace vk::test
