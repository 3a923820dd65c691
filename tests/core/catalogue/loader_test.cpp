#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/catalogue/data_files.h"
#include "core/catalogue/loader.h"
#include "core/catalogue/temp_catalogue_dir.h"
#include "core/text/sjis.h"

namespace {

using vk::utf8ToSjis;
using List = std::vector<int>;

constexpr int kAttack = 1, kGuard = 2, kTorso = 3;

std::string fileError(const std::string& file) { return utf8ToSjis("ファイル " + file + " が開けません。"); }

void writeSmallCatalogue(vk::test::TempCatalogueDir& dir, const std::string& eol) {
    dir.write(vk::kSkillTypeFile, {"#systems", "なし", "攻撃", "防御", "胴系倍加", "斬れ味"}, eol);
    dir.write("ZEVAEQUIP_LEG.csv", {"なし", "脚T,0,0,1,3,30,0,0,0,0,0,胴系倍加,0"}, eol);
    dir.write("ZEVAEQUIP_HEAD.csv",
              {"#name,sex,type,...", "なし", "鉄兜,1,2,3,3,40,1,-2,3,-4,5,攻撃,3,防御,-1", "",
               "皮兜,2,0,1,1,10,0,0,0,0,0,防御,2"},
              eol);
    dir.write("ZEVAEQUIP_BODY.csv", {"なし", "胴A,0,0,1,2,50,0,0,0,0,0,攻撃,2"}, eol);
    dir.write("ZEVAEQUIP_ARM.csv", {"なし"}, eol);
    dir.write("ZEVAEQUIP_WST.csv", {"#only a comment"}, eol);
    dir.write(vk::kDecoFile, {"なし", "攻撃珠,2,1,攻撃,2,防御,-1", "防御珠,3,2,防御,3"}, eol);
    dir.write(vk::kSkillEqFile,
              {"なし,なし>=0", "攻撃+10,攻撃>=10", "謎,未知>=1", "防御-10,防御<=-10", "壊れ", "守り,防御==0"}, eol);
}

TEST(Loader, ReadsEveryTableWithCrLfOrLf) {
    for (const std::string eol : {"\r\n", "\n"}) {
        SCOPED_TRACE(eol.size());
        vk::test::TempCatalogueDir dir;
        writeSmallCatalogue(dir, eol);
        vk::Catalogue cat;
        const vk::LoadReport report = vk::loadCatalogue(dir.path(), cat);
        EXPECT_FALSE(report.startupError);
        EXPECT_TRUE(report.messages.empty());

        EXPECT_EQ(cat.skillTypes.size(), 5u);
        EXPECT_EQ(cat.skillTypes[4], utf8ToSjis("斬れ味"));
        EXPECT_EQ(cat.torsoUpSystem, kTorso);

        // Comments take no index; the empty line does.
        const auto& head = cat.equip[vk::Head];
        ASSERT_EQ(head.size(), 4u);
        EXPECT_EQ(head[1].name, utf8ToSjis("鉄兜"));
        EXPECT_EQ(head[1].dragon, 5);
        EXPECT_EQ(head[1].skill[1].system, kGuard);
        EXPECT_EQ(head[1].skill[1].points, -1);
        EXPECT_TRUE(head[2].name.empty());
        EXPECT_EQ(head[3].name, utf8ToSjis("皮兜"));
        EXPECT_TRUE(cat.equip[vk::Wst].empty());  // comment lines only

        EXPECT_EQ(cat.slot3List[vk::Head], List{1});
        EXPECT_EQ(cat.slot3List[vk::Leg], List{1});
        EXPECT_TRUE(cat.slot3List[vk::Body].empty());

        EXPECT_EQ(cat.decos.size(), 3u);
        EXPECT_EQ(cat.decos[2].skill[0].points, 3);

        // Unknown system and missing comma dropped; accepted lines renumbered.
        ASSERT_EQ(cat.skillEqs.size(), 4u);
        const char* names[] = {"なし", "攻撃+10", "防御-10", "守り"};
        const int kinds[] = {vk::kGreaterEqual, vk::kGreaterEqual, vk::kLessEqual, vk::kEqual};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(cat.skillEqs[i].name, utf8ToSjis(names[i]));
            EXPECT_EQ(cat.skillEqs[i].index, i);
            EXPECT_EQ(cat.skillEqs[i].kind, kinds[i]);
        }
        EXPECT_EQ(cat.skillEqs[2].threshold, -10);

        // Derived tables: the torso-up leg piece is in every system's lists.
        for (int s = 0; s < 5; ++s) {
            EXPECT_EQ(cat.skillIndex[vk::Leg][s].plus, List{1}) << s;
            EXPECT_EQ(cat.skillIndex[vk::Leg][s].minus, List{1}) << s;
        }
        EXPECT_EQ(cat.skillIndex[vk::Head][kGuard].plus, List{3});
        EXPECT_EQ(cat.decoSkillIndex[kAttack].plus, List{1});
        ASSERT_EQ(cat.slotsPerPoint.size(), 5u);
        EXPECT_FLOAT_EQ(cat.slotsPerPoint[kGuard], 2.0f / 3.0f);
        EXPECT_FLOAT_EQ(cat.slotsPerMinusPoint[kGuard], -1.0f);
    }
}

TEST(Loader, MissingFilesAreReportedInLoadOrderAndLeaveEmptyTables) {
    vk::test::TempCatalogueDir dir;
    writeSmallCatalogue(dir, "\r\n");
    dir.remove("ZEVAEQUIP_HEAD.csv");
    dir.remove(vk::kSkillEqFile);
    vk::Catalogue cat;
    cat.decos.resize(9);  // the catalogue is reset first
    const vk::LoadReport report = vk::loadCatalogue(dir.path(), cat);
    EXPECT_TRUE(report.startupError);
    ASSERT_EQ(report.messages.size(), 2u);
    for (const auto& m : report.messages) EXPECT_EQ(m.caption, utf8ToSjis("エラー"));
    EXPECT_EQ(report.messages[0].text, fileError("ZEVAEQUIP_HEAD.csv"));
    EXPECT_EQ(report.messages[1].text, fileError("SKILL_EQ.csv"));
    EXPECT_TRUE(cat.equip[vk::Head].empty());
    EXPECT_TRUE(cat.slot3List[vk::Head].empty());
    EXPECT_TRUE(cat.skillEqs.empty());
    // Every later step still ran.
    EXPECT_EQ(cat.equip[vk::Body].size(), 2u);
    EXPECT_EQ(cat.decos.size(), 3u);
    EXPECT_EQ(cat.skillIndex[vk::Head].size(), 5u);
    EXPECT_EQ(cat.slotsPerPoint.size(), 5u);
}

TEST(Loader, MissingSkillSystemsGiveOneTypeErrorPerNonEmptyTable) {
    vk::test::TempCatalogueDir dir;
    for (const char* file : {"ZEVAEQUIP_LEG.csv", "ZEVAEQUIP_BODY.csv", "ZEVAEQUIP_ARM.csv", "ZEVAEQUIP_WST.csv"})
        dir.write(file, {"なし,0,0,0,0,0,0,0,0,0,0,なし,0", "甲,0,0,1,1,1,0,0,0,0,0,攻撃,1"});
    dir.write("ZEVAEQUIP_HEAD.csv", {"# empty table"});
    dir.write(vk::kDecoFile, {"なし,0,0,なし,0"});
    dir.write(vk::kSkillEqFile, {"なし,なし>=0", "攻撃+10,攻撃>=10"});
    vk::Catalogue cat;
    const vk::LoadReport report = vk::loadCatalogue(dir.path(), cat);
    EXPECT_TRUE(report.startupError);
    EXPECT_EQ(cat.torsoUpSystem, -1);
    EXPECT_TRUE(cat.skillEqs.empty());
    const std::vector<std::pair<std::string, std::string>> expected = {
        {utf8ToSjis("エラー"), fileError("SKILL_TYPE.txt")},
        {"type", "ERROR type -1, l 0, i 0, part 0"},
        {"type", "ERROR type -1, l 0, i 0, part 2"},
        {"type", "ERROR type -1, l 0, i 0, part 3"},
        {"type", "ERROR type -1, l 0, i 0, part 4"},
        {"type", "ERROR type -1, l 0, i 0, DECO"},
    };
    ASSERT_EQ(report.messages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(report.messages[i].caption, expected[i].first) << i;
        EXPECT_EQ(report.messages[i].text, expected[i].second) << i;
    }
}

TEST(Loader, UnknownSystemStopsOnlyItsOwnPartAndRaisesNoStartupError) {
    vk::test::TempCatalogueDir dir;
    writeSmallCatalogue(dir, "\r\n");
    dir.write("ZEVAEQUIP_HEAD.csv", {"なし", "兜1,0,0,1,1,1,0,0,0,0,0,攻撃,1", "兜2,0,0,1,1,1,0,0,0,0,0,攻撃,4",
                                     "兜3,0,0,1,1,1,0,0,0,0,0,防御,1,謎,2", "兜4,0,0,1,1,1,0,0,0,0,0,攻撃,9"});
    dir.write(vk::kDecoFile, {"なし", "珠,1,1,謎,1"});
    vk::Catalogue cat;
    const vk::LoadReport report = vk::loadCatalogue(dir.path(), cat);
    EXPECT_FALSE(report.startupError);
    ASSERT_EQ(report.messages.size(), 2u);
    EXPECT_EQ(report.messages[0].caption, "type");
    EXPECT_EQ(report.messages[0].text, "ERROR type -1, l 3, i 1, part 1");
    EXPECT_EQ(report.messages[1].text, "ERROR type -1, l 1, i 0, DECO");
    EXPECT_EQ(cat.skillIndex[vk::Head][kAttack].plus, (List{1, 2}));  // as entered, unsorted
    EXPECT_EQ(cat.skillIndex[vk::Body][kAttack].plus, List{1});       // the next part is built
    EXPECT_EQ(cat.skillIndex[vk::Leg][kAttack].plus, List{1});
}

bool listsHoldRow(const std::vector<vk::SkillLists>& lists, int row) {
    for (const vk::SkillLists& l : lists)
        for (const List* side : {&l.plus, &l.minus})
            if (std::find(side->begin(), side->end(), row) != side->end()) return true;
    return false;
}

TEST(Loader, TorsoUpSystemNeedsItsOwnLineAfterTheNoSkillLine) {
    // A trailing blank makes another name; as line 0 it is the no-skill system.
    for (const std::vector<std::string>& systems :
         {std::vector<std::string>{"なし", "攻撃", "防御", "胴系倍加 "}, std::vector<std::string>{"胴系倍加", "攻撃", "防御"}}) {
        vk::test::TempCatalogueDir dir;
        writeSmallCatalogue(dir, "\r\n");
        dir.write(vk::kSkillTypeFile, systems);
        dir.write("ZEVAEQUIP_LEG.csv", {"なし", "脚,0,0,1,1,30,0,0,0,0,0,攻撃,-2"});
        vk::Catalogue cat;
        EXPECT_TRUE(vk::loadCatalogue(dir.path(), cat).messages.empty());
        EXPECT_FALSE(cat.isTorsoUp(cat.torsoUpSystem));
        // No piece is torso-up: the no-piece rows, all of whose entries name
        // system 0, stand in no list.
        for (int part = 0; part < vk::kArmourParts; ++part) EXPECT_FALSE(listsHoldRow(cat.skillIndex[part], 0)) << part;
        EXPECT_EQ(cat.skillIndex[vk::Head][kAttack].plus, List{1});
        EXPECT_EQ(cat.skillIndex[vk::Leg][kAttack].minus, List{1});
    }
}

TEST(Loader, LongLineIsReadAsTwoRecords) {
    vk::test::TempCatalogueDir dir;
    dir.writeMinimalCatalogue();
    // 250-byte name: the first piece ends after ",0,0" (254 bytes), the rest
    // ",1,3,50,..." is a record of its own whose name is "1".
    const std::string longName(250, 'N');
    dir.writeBytes("ZEVAEQUIP_ARM.csv", "none\r\n" + longName + ",0,0,1,3,50\r\nlast,1\r\n");
    vk::Catalogue cat;
    EXPECT_TRUE(vk::loadCatalogue(dir.path(), cat).messages.empty());
    const auto& arm = cat.equip[vk::Arm];
    ASSERT_EQ(arm.size(), 4u);
    EXPECT_EQ(arm[1].name, longName);
    EXPECT_EQ(arm[1].type, 0);
    EXPECT_EQ(arm[1].rarity, 0);
    EXPECT_EQ(arm[2].name, "1");
    EXPECT_EQ(arm[2].sex, 3);
    EXPECT_EQ(arm[2].type, 50);
    EXPECT_EQ(arm[3].name, "last");
}

}  // namespace
