// Numbers out of range in the data files are read into the ranges no total
// can overflow from, and slot counts into what a part can hold.

#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "core/catalogue/data_files.h"
#include "core/catalogue/loader.h"
#include "core/catalogue/temp_catalogue_dir.h"
#include "core/catalogue/value_bounds.h"

namespace {

using vk::kNeverFitsSlots;
using vk::kThresholdLimit;
using vk::kValueLimit;

TEST(ValueBounds, LoadedNumbersStayInTheirRanges) {
    struct Row {
        std::string text;   // one data line of every armour file
        int slots, defence, fire, dragon, points;
    };
    const std::vector<Row> pieces = {
        {"p,0,0,1,-2147483648,-2147483648,2147483647,-1,0,0,5,攻撃,2147483647", 0, -kValueLimit, kValueLimit, 5,
         kValueLimit},
        {"p,0,0,1,7,99999999999,-99999999999,0,0,0,-5,攻撃,-2147483648", 3, kValueLimit, -kValueLimit, -5,
         -kValueLimit},
        {"p,0,0,1,-1,12,3,0,0,0,0,攻撃,99999", 0, 12, 3, 0, 99999},
        {"p,0,0,1,3,-100000,100000,0,0,0,0,攻撃,-100000", 3, -kValueLimit, kValueLimit, 0, -kValueLimit},
    };
    struct DecoRow {
        std::string text;
        int slots, points;
    };
    const std::vector<DecoRow> decos = {
        {"d,1,-2147483648,攻撃,2147483647", kNeverFitsSlots, kValueLimit},
        {"d,1,-1,攻撃,3", kNeverFitsSlots, 3},
        {"d,1,0,攻撃,3", kNeverFitsSlots, 3},
        {"d,1,4,攻撃,-2147483648", kNeverFitsSlots, -kValueLimit},
        {"d,1,2147483647,攻撃,1", kNeverFitsSlots, 1},
        {"d,1,1,攻撃,1", 1, 1},
        {"d,1,3,攻撃,1", 3, 1},
    };
    vk::test::TempCatalogueDir dir;
    dir.writeMinimalCatalogue();
    std::vector<std::string> pieceLines = {"なし"};
    for (const Row& r : pieces) pieceLines.push_back(r.text);
    for (const char* file : vk::kEquipFiles) dir.write(file, pieceLines);
    // The no-decoration row takes no slots when its count is out of range.
    std::vector<std::string> decoLines = {"なし,0,-7"};
    for (const DecoRow& r : decos) decoLines.push_back(r.text);
    dir.write(vk::kDecoFile, decoLines);
    dir.write(vk::kSkillEqFile, {"なし,なし>=0", "a,攻撃>=2147483647", "b,攻撃<-2147483648", "c,攻撃==-5"});

    vk::Catalogue cat;
    const vk::LoadReport report = vk::loadCatalogue(dir.path(), cat);
    ASSERT_FALSE(report.startupError);
    for (int part = 0; part < vk::kArmourParts; ++part) {
        ASSERT_EQ(cat.equip[part].size(), pieces.size() + 1);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            SCOPED_TRACE(pieces[i].text);
            const vk::Equip& e = cat.equip[part][i + 1];
            EXPECT_EQ(e.slots, pieces[i].slots);
            EXPECT_EQ(e.defence, pieces[i].defence);
            EXPECT_EQ(e.fire, pieces[i].fire);
            EXPECT_EQ(e.dragon, pieces[i].dragon);
            EXPECT_EQ(e.skill[0].points, pieces[i].points);
        }
        // Three-slot lists follow the slots as read into range.
        EXPECT_EQ(cat.slot3List[part], (std::vector<int>{2, 4}));
    }
    ASSERT_EQ(cat.decos.size(), decos.size() + 1);
    EXPECT_EQ(cat.decos[0].slots, 0);
    for (std::size_t i = 0; i < decos.size(); ++i) {
        SCOPED_TRACE(decos[i].text);
        EXPECT_EQ(cat.decos[i + 1].slots, decos[i].slots);
        EXPECT_EQ(cat.decos[i + 1].skill[0].points, decos[i].points);
    }
    ASSERT_EQ(cat.skillEqs.size(), 4u);
    EXPECT_EQ(cat.skillEqs[1].threshold, kThresholdLimit);
    EXPECT_EQ(cat.skillEqs[2].threshold, -kThresholdLimit);
    EXPECT_EQ(cat.skillEqs[3].threshold, -5);
}

// The ranges leave room for the largest total: 25 piece entries, 20 torso-up
// repeats of the body, 18 decorations of two entries with the body's counted
// 21 times, on both sides of a threshold, and what decorations add again in
// the decoration search.
static_assert(static_cast<long long>(kThresholdLimit) + 3LL * (25 + 20 + 18 * 2 * 21) * kValueLimit < INT_MAX);
// A threshold at its limit stays out of reach of any total.
static_assert(static_cast<long long>(25 + 20 + 18 * 2 * 21) * kValueLimit < kThresholdLimit);

}  // namespace
