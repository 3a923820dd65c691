// A set of a catalogue whose files hold numbers at the ends of int: the
// panels, the summary and the report add them up without wrapping, from the
// values as the loader reads them into range.

#include <climits>

#include <gtest/gtest.h>

#include "core/catalogue/data_files.h"
#include "core/catalogue/loader.h"
#include "core/catalogue/temp_catalogue_dir.h"
#include "core/catalogue/value_bounds.h"
#include "core/results/detail_panels.h"
#include "core/results/hit_narrowing.h"
#include "core/results/skill_summary.h"
#include "core/results/text_report.h"
#include "core/text/sjis.h"

namespace vk {
namespace {

TEST(ExtremeSet, PanelsSummaryAndReportAddUpWithoutWrapping) {
    for (const char* number : {"2147483647", "-2147483648"}) {
        SCOPED_TRACE(number);
        const int sign = number[0] == '-' ? -1 : 1;
        const std::string n = number;
        test::TempCatalogueDir dir;
        dir.writeMinimalCatalogue();  // systems なし 攻撃 防御 胴系倍加
        // Slots read as 0 or 3, every value at the limit, five 攻撃 entries;
        // every non-body piece a torso-up piece in a second row.
        const std::string piece = "p,0,0,1," + n + "," + n + "," + n + "," + n + "," + n + "," + n + "," + n +
                                  ",攻撃," + n + ",攻撃," + n + ",攻撃," + n + ",攻撃," + n + ",攻撃," + n;
        for (const char* file : kEquipFiles) dir.write(file, {"なし", piece, "t,0,0,1,3,0,0,0,0,0,0,胴系倍加,0"});
        dir.write(kDecoFile, {"なし", "d,1,1,攻撃," + n + ",攻撃," + n});
        dir.write(kSkillEqFile, {"なし,なし>=0", "a,攻撃>=10", "b,攻撃<=-10"});
        Catalogue cat;
        ASSERT_FALSE(loadCatalogue(dir.path(), cat).startupError);

        ShownSet set;
        set.pieces = {2, 2, 1, 2, 2};  // the body piece and four torso-up pieces
        for (int p = 0; p < kDecoParts; ++p)
            for (int s = 0; s < kSlotsPerPart; ++s) set.decos.DecoIndex[p][s] = 1;

        const ArmourSums sums = armourSumsOf(cat, set);
        EXPECT_EQ(sums.defence, sign * kValueLimit);
        EXPECT_EQ(sums.dragon, sign * kValueLimit);
        EXPECT_EQ(sums.slots, sign > 0 ? 15 : 12);

        SkillSummary summary;
        RunSkillSummary(cat, set, summary);
        EXPECT_EQ(summary.bodyFactor, 5);
        // The body's five entries and its three decorations count five times,
        // the other fifteen decorations once: (5 + 6) x 5 + 30 entries.
        EXPECT_EQ(summary.points[1][kSummaryTotal], sign * 85 * kValueLimit);
        EXPECT_EQ(summary.activated[sign > 0 ? 1 : 2], 1);
        EXPECT_EQ(summary.activated[sign > 0 ? 2 : 1], 0);
        // A weapon slot count from a file at the int limit adds to the armour's slots wide.
        set.weaponSlots = sign > 0 ? INT_MAX : INT_MIN;
        const std::string slotTotal = std::to_string(sums.slots + static_cast<long long>(set.weaponSlots));
        const std::string report = sjisToUtf8(BuildTextReport(cat, set));
        EXPECT_NE(report.find(std::to_string(sign * 85 * kValueLimit)), std::string::npos) << report;
        EXPECT_NE(report.find(slotTotal + "\r\n"), std::string::npos) << report;
        EXPECT_EQ(DetailEquipRows(cat, set)[6][7], slotTotal);
    }
}

}  // namespace
}  // namespace vk
