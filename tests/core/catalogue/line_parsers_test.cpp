#include <gtest/gtest.h>

#include "core/catalogue/line_parsers.h"
#include "core/text/sjis.h"

namespace {

using vk::utf8ToSjis;

class LineParsers : public ::testing::Test {
protected:
    LineParsers() { cat.skillTypes = {utf8ToSjis("なし"), utf8ToSjis("攻撃"), utf8ToSjis("防御"), utf8ToSjis("攻撃")}; }
    vk::Equip equip(const std::string& utf8) { return vk::parseEquipLine(utf8ToSjis(utf8), cat); }
    vk::Deco deco(const std::string& utf8) { return vk::parseDecoLine(utf8ToSjis(utf8), cat); }
    std::optional<vk::SkillEq> eq(const std::string& utf8) { return vk::parseSkillEqLine(utf8ToSjis(utf8), cat); }
    vk::Catalogue cat;
};

TEST_F(LineParsers, EquipLineFillsTwentyOneColumnsInOrder) {
    const vk::Equip e = equip("鉄兜,1,2,3,2,40,1,-2,3,-4,5,攻撃,4,防御,-3,攻撃,2,なし,0,防御,9");
    EXPECT_EQ(e.name, utf8ToSjis("鉄兜"));
    EXPECT_EQ((std::array{e.sex, e.type, e.rarity, e.slots, e.defence, e.fire, e.water, e.thunder, e.ice, e.dragon}),
              (std::array{1, 2, 3, 2, 40, 1, -2, 3, -4, 5}));
    // Duplicate system names resolve to their first entry (攻撃 is 1, not 3).
    const std::array<int, 5> systems = {1, 2, 1, 0, 2};
    const std::array<int, 5> points = {4, -3, 2, 0, 9};
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(e.skill[j].system, systems[j]) << j;
        EXPECT_EQ(e.skill[j].points, points[j]) << j;
    }
}

TEST_F(LineParsers, ShortAndShiftedEquipLines) {
    // Parsing stops at the first missing token; the rest stays 0.
    const vk::Equip shortLine = equip("兜,2,1,5");
    EXPECT_EQ(shortLine.rarity, 5);
    EXPECT_EQ(shortLine.slots, 0);
    EXPECT_EQ(shortLine.skill[0].system, 0);
    // A system name without its points keeps points 0.
    const vk::Equip noPoints = equip("兜,0,0,1,1,1,0,0,0,0,0,防御");
    EXPECT_EQ(noPoints.skill[0].system, 2);
    EXPECT_EQ(noPoints.skill[0].points, 0);
    EXPECT_EQ(noPoints.skill[1].system, 0);
    // Two commas in a row: every later field moves one column to the left.
    const vk::Equip shifted = equip("兜,1,0,4,,35,6,7,8,9,10,攻撃,3");
    EXPECT_EQ((std::array{shifted.slots, shifted.defence, shifted.fire, shifted.water, shifted.thunder, shifted.ice}),
              (std::array{35, 6, 7, 8, 9, 10}));
    EXPECT_EQ(shifted.dragon, 0);            // "攻撃" read as an integer
    EXPECT_EQ(shifted.skill[0].system, -1);  // "3" names no system
    EXPECT_EQ(shifted.skill[0].points, 0);
    // The empty line of a table: everything empty.
    const vk::Equip empty = equip("");
    EXPECT_TRUE(empty.name.empty());
    EXPECT_EQ(empty.defence, 0);
    // An unknown system name gives -1.
    EXPECT_EQ(equip("兜,0,0,1,1,1,0,0,0,0,0,未知,3").skill[0].system, -1);
    // Full-width and half-width are different bytes.
    EXPECT_EQ(equip("兜,0,0,1,1,1,0,0,0,0,0,攻撃 ,3").skill[0].system, -1);
}

TEST_F(LineParsers, DecoLineHasSevenColumns) {
    const vk::Deco d = deco("攻撃珠,4,2,攻撃,2,防御,-1");
    EXPECT_EQ(d.name, utf8ToSjis("攻撃珠"));
    EXPECT_EQ(d.rarity, 4);
    EXPECT_EQ(d.slots, 2);
    EXPECT_EQ(d.skill[0].system, 1);
    EXPECT_EQ(d.skill[0].points, 2);
    EXPECT_EQ(d.skill[1].system, 2);
    EXPECT_EQ(d.skill[1].points, -1);
    const vk::Deco single = deco("守珠,1,1,防御,1");
    EXPECT_EQ(single.skill[1].system, 0);
    EXPECT_EQ(single.skill[1].points, 0);
}

TEST_F(LineParsers, ActivationOperatorsAreTriedInOrder) {
    struct Case {
        const char* line;
        int kind;
        int threshold;
    };
    const Case cases[] = {
        {"攻撃弱化,攻撃<=-5", vk::kLessEqual, -5}, {"攻撃無,攻撃==0", vk::kEqual, 0},
        {"攻撃小,攻撃>=3", vk::kGreaterEqual, 3},  // ">=" before ">"
        {"攻撃大,攻撃>15", vk::kGreater, 15},       {"攻撃減,攻撃<-10", vk::kLess, -10},
        {"攻撃x,攻撃>=", vk::kGreaterEqual, 0},     // no digits: threshold 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const auto a = eq(c.line);
        ASSERT_TRUE(a.has_value());
        EXPECT_EQ(a->system, 1);
        EXPECT_EQ(a->kind, c.kind);
        EXPECT_EQ(a->threshold, c.threshold);
        EXPECT_EQ(a->index, 0);
    }
    EXPECT_EQ(eq("防御+10,防御>=10")->name, utf8ToSjis("防御+10"));
    // The name ends at the first comma; the condition runs to the line's end.
    const auto withComma = eq("名,防御,x>=1");
    EXPECT_FALSE(withComma.has_value());  // system "防御,x" is unknown
}

TEST_F(LineParsers, ActivationLinesThatNameNoKnownSystemAreDropped) {
    EXPECT_FALSE(eq("謎,未知>=10").has_value());
    EXPECT_FALSE(eq("").has_value());               // no comma
    EXPECT_FALSE(eq("攻撃>=10").has_value());        // no comma
    EXPECT_FALSE(eq("攻撃,攻撃10").has_value());     // no operator
    EXPECT_FALSE(eq("攻撃,攻撃=10").has_value());    // "=" alone is no operator
    EXPECT_FALSE(eq("攻撃, 攻撃>=10").has_value());  // a blank belongs to the name
}

}  // namespace
