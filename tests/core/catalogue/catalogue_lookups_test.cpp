#include <gtest/gtest.h>

#include "core/catalogue/catalogue.h"
#include "core/text/sjis.h"

namespace {

using vk::utf8ToSjis;

TEST(CatalogueLookups, FirstExactByteMatchOrMinusOne) {
    vk::Catalogue cat;
    cat.skillTypes = {"", utf8ToSjis("攻撃"), "Guard", utf8ToSjis("攻撃")};
    cat.skillEqs.resize(3);
    cat.skillEqs[1].name = utf8ToSjis("攻撃+10");
    cat.skillEqs[2].name = utf8ToSjis("攻撃+10");
    cat.decos.resize(3);
    cat.decos[1].name = utf8ToSjis("珠Ａ");  // full-width A
    cat.decos[2].name = utf8ToSjis("珠A");
    cat.equip[vk::Arm].resize(3);
    cat.equip[vk::Arm][2].name = utf8ToSjis("籠手");
    cat.equip[vk::Wst].resize(2);
    cat.equip[vk::Wst][1].name = utf8ToSjis("籠手");

    EXPECT_EQ(cat.findSkillType(utf8ToSjis("攻撃")), 1);
    EXPECT_EQ(cat.findSkillType("Guard"), 2);
    EXPECT_EQ(cat.findSkillType("guard"), -1);
    EXPECT_EQ(cat.findSkillType(""), 0);
    EXPECT_EQ(cat.findSkillEq(utf8ToSjis("攻撃+10")), 1);
    EXPECT_EQ(cat.findSkillEq(utf8ToSjis("攻撃+1")), -1);
    EXPECT_EQ(cat.findDeco(utf8ToSjis("珠A")), 2);
    EXPECT_EQ(cat.findDeco(utf8ToSjis("珠Ａ")), 1);
    EXPECT_EQ(cat.findEquip(vk::Arm, utf8ToSjis("籠手")), 2);
    EXPECT_EQ(cat.findEquip(vk::Wst, utf8ToSjis("籠手")), 1);
    EXPECT_EQ(cat.findEquip(vk::Head, utf8ToSjis("籠手")), -1);
    EXPECT_EQ(cat.findEquip(vk::Weapon, utf8ToSjis("籠手")), -1);
    EXPECT_EQ(cat.findEquip(-1, utf8ToSjis("籠手")), -1);
}

}  // namespace
