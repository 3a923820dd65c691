#include <gtest/gtest.h>

#include "core/results/detail_panels.h"
#include "core/results/hand_catalogue.h"
#include "core/results/row_colours.h"

namespace vk {
namespace {

using namespace vk::test;

EquipRowTexts sjRow(std::initializer_list<const char*> utf8) {
    EquipRowTexts row;
    int i = 0;
    for (const char* text : utf8) row[i++] = sj(text);
    return row;
}

std::array<std::string, kSkillColumns> sjSkill(std::initializer_list<const char*> utf8) {
    std::array<std::string, kSkillColumns> row;
    int i = 0;
    for (const char* text : utf8) row[i++] = sj(text);
    return row;
}

class DetailPanels : public ::testing::Test {
protected:
    Catalogue c = reportCatalogue();
    ShownSet set = reportSet();
    SkillSummary summary;
};

TEST_F(DetailPanels, EquipmentRowsRunHeadFirstAndTheTotalLeavesTheWeaponSlotsOut) {
    const auto rows = EquipLVRows(c, set);
    EXPECT_EQ(rows[0], sjRow({"頭A", "3", "10", "1", "-2", "0", "0", "3", "1", ""}));
    EXPECT_EQ(rows[1], sjRow({"胴B", "4", "12", "0", "0", "2", "-1", "0", "2", "攻撃珠 "}));
    EXPECT_EQ(rows[2], sjRow({"腕C", "2", "8", "0", "0", "0", "0", "0", "0", ""}));
    EXPECT_EQ(rows[3], sjRow({"腰D", "1", "5", "0", "0", "0", "0", "0", "3", "攻撃珠 攻撃珠 "}));
    EXPECT_EQ(rows[4], sjRow({"脚E", "1", "6", "0", "0", "0", "0", "0", "0", ""}));
    EXPECT_EQ(rows[kEquipWeaponRow], sjRow({"武器", "", "", "", "", "", "", "", "1", "攻撃珠 "}));
    EXPECT_EQ(rows[kEquipTotalRow], sjRow({"計", "", "41", "1", "-2", "2", "-1", "3", "6", ""}));
}

TEST_F(DetailPanels, SkillRowsMarkTorsoUpAndLeaveItsTotalEmpty) {
    RunSkillSummary(c, set, summary);
    const auto rows = SkillLVRows(c, summary);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].system, kTorso);
    EXPECT_EQ(rows[0].texts, sjSkill({"胴系倍加", "", "", "E", "", "", "", ""}));
    // Body factor 2: body 3×2 + its decoration 1×2; the waist's two decorations single.
    EXPECT_EQ(rows[1].texts, sjSkill({"攻撃", "2", "8", "", "2", "1", "1", "14"}));
    EXPECT_EQ(rows[2].texts, sjSkill({"防御", "-1", "-2", "", "-4", "", "-1", "-8"}));
    EXPECT_EQ(SkillMemoText(c, summary), sj("攻撃小\r\n防御DOWN\r\n"));
}

TEST_F(DetailPanels, BodyShowsTorsoUpPointsWhileTheWeaponShowsTheMark) {
    c.equip[Body][1].skill[1] = {kTorso, 1};
    c.decos.push_back(deco("倍加珠", 1, {kTorso, 1}));
    set.decos = DecoSet{};
    set.decos.place(Weapon, 2, 1);
    RunSkillSummary(c, set, summary);
    const auto rows = SkillLVRows(c, summary);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0].texts, sjSkill({"胴系倍加", "", "2", "E", "", "", "E", ""}));
}

TEST_F(DetailPanels, ASystemTouchedOnlyWithZeroPointsGetsARowWithTotalZero) {
    c.decos.push_back(deco("守り珠", 1, {kGuard, 1}, {kStamina, 0}));
    set.decos.place(Head, 2, 1);
    RunSkillSummary(c, set, summary);
    const auto rows = SkillLVRows(c, summary);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3].texts, sjSkill({"体力", "0", "", "", "", "", "", "0"}));
    EXPECT_EQ(skillRowColour(rows[3].texts[kSkillTotalColumn]), std::nullopt);
    EXPECT_EQ(skillRowColour(rows[1].texts[kSkillTotalColumn]), kLightGreen);  // 攻撃 14
}

TEST_F(DetailPanels, NoActivatedSkillLeavesTheMemoEmpty) {
    RunSkillSummary(c, ShownSet{}, summary);
    EXPECT_EQ(SkillMemoText(c, summary), "");
    EXPECT_TRUE(SkillLVRows(c, summary).empty());
}

TEST(RowColours, SkillRowsColourFromTenAndMinusTenOn) {
    EXPECT_EQ(skillRowColour("10"), std::optional<WinColour>(0x64FF64));
    EXPECT_EQ(skillRowColour("123"), std::optional<WinColour>(0x64FF64));
    EXPECT_EQ(skillRowColour("9"), std::nullopt);
    EXPECT_EQ(skillRowColour("-9"), std::nullopt);
    EXPECT_EQ(skillRowColour("-10"), std::optional<WinColour>(0x6464FF));
    EXPECT_EQ(skillRowColour(""), std::nullopt);     // the torso-up row
    EXPECT_EQ(skillRowColour("12a"), std::nullopt);  // no number reads 0
}

TEST(RowColours, OwnedPiecesColourTheirArmourRowsLightBlue) {
    PossessionLists owned;
    owned[Head].push_back(Possession{Head, 1, "", {}, 0, {}});
    owned[Leg].push_back(Possession{Leg, 2, "", {}, 0, {}});
    Result hit;
    hit.Index = {2, 1, 1, 1, 1};  // Leg row 2, all others row 1
    EXPECT_EQ(equipRowColour(0, &hit, owned), std::optional<WinColour>(0xFFC8C8));  // head
    EXPECT_EQ(equipRowColour(1, &hit, owned), std::nullopt);                       // body
    EXPECT_EQ(equipRowColour(4, &hit, owned), std::optional<WinColour>(0xFFC8C8));  // leg
    EXPECT_EQ(equipRowColour(kEquipWeaponRow, &hit, owned), std::nullopt);
    EXPECT_EQ(equipRowColour(kEquipTotalRow, &hit, owned), std::nullopt);
    EXPECT_EQ(equipRowColour(0, nullptr, owned), std::nullopt);
}

TEST(RowColours, ComboMarkersFollowTheActivationKind) {
    Catalogue c = baseCatalogue();
    c.skillEqs.push_back(activation("a", kAttack, kGreater, 1));
    c.skillEqs.push_back(activation("b", kAttack, kLess, 1));
    c.skillEqs.push_back(activation("c", kAttack, kEqual, 1));
    EXPECT_EQ(skillComboMarker(c, 0), std::optional<WinColour>(kBlack));
    EXPECT_EQ(skillComboMarker(c, 1), std::optional<WinColour>(kLightGreen));
    EXPECT_EQ(skillComboMarker(c, 2), std::optional<WinColour>(kLightRed));
    EXPECT_EQ(skillComboMarker(c, 3), std::nullopt);
    EXPECT_EQ(skillComboMarker(c, 4), std::nullopt);
}

}  // namespace
}  // namespace vk
