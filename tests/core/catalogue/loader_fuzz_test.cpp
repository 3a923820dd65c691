// Malformed data files: the load must finish, keep every index in range and
// leave no inf or NaN behind, whatever the bytes.

#include <cmath>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "core/catalogue/data_files.h"
#include "core/catalogue/loader.h"
#include "core/catalogue/temp_catalogue_dir.h"
#include "core/catalogue/value_bounds.h"
#include "core/text/sjis.h"

namespace {

void expectConsistent(const vk::Catalogue& cat) {
    const int systems = cat.systemCount();
    for (int i = 0; i < static_cast<int>(cat.skillEqs.size()); ++i) {
        EXPECT_EQ(cat.skillEqs[i].index, i);
        EXPECT_GE(cat.skillEqs[i].system, 0);
        EXPECT_LT(cat.skillEqs[i].system, systems);
    }
    auto inRange = [](const std::vector<vk::SkillLists>& lists, std::size_t rows) {
        for (const vk::SkillLists& l : lists)
            for (const std::vector<int>* side : {&l.plus, &l.minus})
                for (int row : *side)
                    if (row < 0 || static_cast<std::size_t>(row) >= rows) return false;
        return true;
    };
    auto valueInRange = [](int v) { return v >= -vk::kValueLimit && v <= vk::kValueLimit; };
    for (int part = 0; part < vk::kArmourParts; ++part) {
        for (const vk::Equip& e : cat.equip[part]) {
            EXPECT_TRUE(e.slots >= 0 && e.slots <= 3) << e.slots;
            for (int v : {e.defence, e.fire, e.water, e.thunder, e.ice, e.dragon}) EXPECT_TRUE(valueInRange(v)) << v;
            for (const vk::SkillPoints& s : e.skill) EXPECT_TRUE(valueInRange(s.points)) << s.points;
        }
        EXPECT_TRUE(inRange(cat.skillIndex[part], cat.equip[part].size())) << part;
        for (int row : cat.slot3List[part]) EXPECT_GT(cat.equip[part][row].slots, 2);
    }
    EXPECT_TRUE(inRange(cat.decoSkillIndex, cat.decos.size()));
    for (std::size_t i = 0; i < cat.decos.size(); ++i) {
        const int slots = cat.decos[i].slots;
        EXPECT_TRUE((slots >= 1 && slots <= 3) || slots == (i == 0 ? 0 : vk::kNeverFitsSlots)) << slots;
        for (const vk::SkillPoints& s : cat.decos[i].skill) EXPECT_TRUE(valueInRange(s.points)) << s.points;
    }
    ASSERT_EQ(cat.slotsPerPoint.size(), static_cast<std::size_t>(systems));
    for (int s = 0; s < systems; ++s) {
        EXPECT_TRUE(std::isfinite(cat.slotsPerPoint[s])) << s;
        EXPECT_TRUE(std::isfinite(cat.slotsPerMinusPoint[s])) << s;
    }
}

TEST(LoaderFuzz, NastyLinesLoadWithoutHarm) {
    vk::test::TempCatalogueDir dir;
    dir.write(vk::kSkillTypeFile, {"なし", "攻撃", "", ",,,", std::string(600, 'S')});
    const std::vector<std::string> nasty = {
        ",,,,,,,,,,,,,,,,,,,,,,,,,,",
        "",
        "x,99999999999999999999,-99999999999999999999,2147483648,-2147483649,3,,攻撃,-2147483648,攻撃,2147483647",
        "y,-0,+0,-,+,1x,--2,攻撃",
        std::string(1000, ','),
        std::string(5000, 'a'),
        "\r\r\r,\r,攻撃,\r",
        "z,0,0,1,3,0,0,0,0,0,0,攻撃",  // system without its points
    };
    for (const char* file : vk::kEquipFiles) dir.write(file, nasty);
    dir.write(vk::kDecoFile, {"なし", "零,1,1,攻撃,0,攻撃,0", "負,1,3,攻撃,-2147483648,攻撃,2147483647", ",,,,", "w,1"});
    dir.write(vk::kSkillEqFile, {"", ",", ",>=", ",,", "a,攻撃>=99999999999999999999", "b,<<<", "c,攻撃==", "d"});
    vk::Catalogue cat;
    const vk::LoadReport report = vk::loadCatalogue(dir.path(), cat);
    EXPECT_FALSE(report.startupError);
    EXPECT_EQ(cat.equip[vk::Head].size(), 8u + 3u + 19u);  // the long lines come in pieces of 254 bytes
    EXPECT_EQ(cat.equip[vk::Head][2].rarity, 2147483647);
    EXPECT_EQ(cat.equip[vk::Head][2].slots, 0);  // read into 0..3
    expectConsistent(cat);
    // The empty system name of line 2 matches an empty text before the
    // operator (",>=" and "b,<<<"); lines without comma or operator drop.
    ASSERT_EQ(cat.skillEqs.size(), 4u);
    EXPECT_EQ(cat.skillEqs[0].system, 2);
    EXPECT_EQ(cat.skillEqs[1].threshold, vk::kThresholdLimit);
    EXPECT_EQ(cat.skillEqs[2].system, 2);
    EXPECT_EQ(cat.skillEqs[2].kind, vk::kLess);
    EXPECT_EQ(cat.skillEqs[3].kind, vk::kEqual);
    EXPECT_EQ(cat.skillEqs[3].threshold, 0);
}

TEST(LoaderFuzz, RandomBytesLoadWithoutHarm) {
    std::mt19937 random(20240531u);
    // Bytes the parsers react to, plus any byte at all.
    const std::string alphabet = std::string(",,,,\n\n\r#-+0123456789<>=") + vk::utf8ToSjis("攻撃なし胴系倍加");
    auto randomText = [&](std::size_t length) {
        std::string bytes;
        for (std::size_t i = 0; i < length; ++i) {
            const unsigned pick = random() % 4;
            bytes += pick == 0 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
        }
        return bytes;
    };
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        vk::test::TempCatalogueDir dir;
        dir.writeBytes(vk::kSkillTypeFile, round % 2 ? "\x82\xC8\x82\xB5\n" + randomText(100) : randomText(100));
        for (const char* file : vk::kEquipFiles) dir.writeBytes(file, randomText(random() % 3000));
        dir.writeBytes(vk::kDecoFile, randomText(random() % 2000));
        dir.writeBytes(vk::kSkillEqFile, randomText(random() % 2000));
        vk::Catalogue cat;
        const vk::LoadReport report = vk::loadCatalogue(dir.path(), cat);
        EXPECT_FALSE(report.startupError);
        expectConsistent(cat);
    }
}

}  // namespace
