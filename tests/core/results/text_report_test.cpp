#include <gtest/gtest.h>

#include "core/results/hand_catalogue.h"
#include "core/results/text_report.h"

namespace vk {
namespace {

using namespace vk::test;

// `n` ideographic spaces, the fold of 2n blanks.
std::string I(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "　";
    return s;
}

const std::string S = std::string(75, '-') + "\r\n";

// The lines of `report` (each with its "\r\n").
std::vector<std::string> linesOf(const std::string& report) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < report.size()) {
        const std::size_t end = report.find("\r\n", at);
        const std::size_t next = end == std::string::npos ? report.size() : end + 2;
        lines.push_back(report.substr(at, next - at));
        at = next;
    }
    return lines;
}

TEST(FoldBlanks, PairsOfBlanksBecomeIdeographicSpacesFromTheStartOfEachRun) {
    std::string text = "a   b    c d";
    FoldBlanks(text);
    EXPECT_EQ(text, "a\x81\x40 b\x81\x40\x81\x40" "c d");
    std::string edge = "  ";
    FoldBlanks(edge);
    EXPECT_EQ(edge, "\x81\x40");
}

class TextReport : public ::testing::Test {
protected:
    Catalogue c = reportCatalogue();
    ShownSet set = reportSet();
};

TEST_F(TextReport, WholeReportByteForByte) {
    // Assembled by hand: blanks are counted per field, then every run of 2n
    // blanks written as n ideographic spaces (an odd run ends in a blank).
    const std::string expected = sj(
        ("-------------------------- VELKORANTIS ver 0.7 出力 -----------------------\r\n"
         "■　男、剣士\r\n\r\n" + S +
         "■　防具一覧\r\n" +
         I(7) + "防具名 レア 防御" + I(1) + "火" + I(1) + "水" + I(1) + "雷" + I(1) + "氷" + I(1) + "龍" + I(1) +
         "ス" + I(4) + " 装飾品\r\n" + S +
         // 17 blanks, name, then rarity " % 4d", defence, five resistances, slots, decorations " %14s".
         I(8) + " 頭A" + I(2) + "3" + I(1) + " 10" + I(1) + " 1" + I(1) + "-2" + I(1) + " 0" + I(1) + " 0" + I(1) +
         " 3" + I(1) + " 1" + I(7) + " \r\n" +
         I(8) + " 胴B" + I(2) + "4" + I(1) + " 12" + I(1) + " 0" + I(1) + " 0" + I(1) + " 2" + I(1) + "-1" + I(1) +
         " 0" + I(1) + " 2" + I(4) + "攻撃珠 \r\n" +
         I(8) + " 腕C" + I(2) + "2" + I(2) + "8" + I(1) + " 0" + I(1) + " 0" + I(1) + " 0" + I(1) + " 0" + I(1) +
         " 0" + I(1) + " 0" + I(7) + " \r\n" +
         I(8) + " 腰D" + I(2) + "1" + I(2) + "5" + I(1) + " 0" + I(1) + " 0" + I(1) + " 0" + I(1) + " 0" + I(1) +
         " 0" + I(1) + " 3 攻撃珠 攻撃珠 \r\n" +
         I(8) + " 脚E" + I(2) + "1" + I(2) + "6" + I(1) + " 0" + I(1) + " 0" + I(1) + " 0" + I(1) + " 0" + I(1) +
         " 0" + I(1) + " 0" + I(7) + " \r\n" +
         // 16 blanks, 武器, 31 blanks and "  1", then " " and 7 blanks before the decoration.
         I(8) + "武器" + I(16) + " 1" + I(4) + "攻撃珠 \r\n" + S +
         // Slots: 1 + 2 + 0 + 3 + 0 armour and 1 weapon.
         I(9) + "計" + I(4) + "41" + I(1) + " 1" + I(1) + "-2" + I(1) + " 2" + I(1) + "-1" + I(1) + " 3" + I(1) +
         " 7\r\n" +
         "\r\n■　スキル系統一覧\r\n" +
         I(5) + "スキル系統" + I(1) + " 頭" + I(1) + " 胴" + I(1) + " 腕" + I(1) + " 腰" + I(1) + " 脚" + I(1) +
         " 武" + I(1) + " 計\r\n" + S +
         I(6) + "胴系倍加" + I(7) + "E" + I(10) + "\r\n" +
         // 攻撃: head 2, body (3 + 1) × 2, waist decorations 2, leg 1, weapon 1 = 14.
         I(8) + "攻撃" + I(2) + "2" + I(2) + "8" + I(4) + " 2" + I(2) + "1" + I(2) + "1" + I(1) + " 14\r\n" +
         // 防御: head -1, body decoration -1 × 2, waist -2 - 2, weapon -1 = -8.
         I(8) + "防御" + I(1) + " -1" + I(1) + " -2" + I(4) + "-4" + I(4) + "-1" + I(1) + " -8\r\n" + S +
         "\r\n■　発動スキル一覧\r\n" + S +
         "攻撃小\r\n防御DOWN\r\n" + S)
            .c_str());
    EXPECT_EQ(BuildTextReport(c, set), expected);
}

TEST_F(TextReport, RunsTheSkillSummaryIntoTheCallersTables) {
    SkillSummary summary;
    BuildTextReport(c, set, summary);
    EXPECT_EQ(summary.points[kAttack][kSummaryTotal], 14);
    EXPECT_EQ(summary.activated, (Activated{0, 1, 0, 1}));
}

TEST_F(TextReport, PieceLinesWithoutDecorationsEndInSevenIdeographicSpacesAndABlank) {
    set.decos = DecoSet{};
    const auto lines = linesOf(BuildTextReport(c, set));
    const std::string tail = sj((I(7) + " \r\n").c_str());
    for (int line = 7; line < 12; ++line) {
        ASSERT_GE(lines[line].size(), tail.size());
        EXPECT_EQ(lines[line].substr(lines[line].size() - tail.size()), tail) << "line " << line;
    }
}

TEST_F(TextReport, WeaponWithoutSlotsPrintsZeroAndAddsNothingToTheTotal) {
    set.weaponSlots = 0;
    set.decos = DecoSet{};
    const auto lines = linesOf(BuildTextReport(c, set));
    EXPECT_EQ(lines[12], sj((I(8) + "武器" + I(16) + " 0" + I(7) + " \r\n").c_str()));
    // Armour slots 1 + 2 + 0 + 3 + 0.
    EXPECT_EQ(lines[14].substr(lines[14].size() - 4), " 6\r\n");
}

TEST_F(TextReport, TorsoUpLineFoldsAcrossCellBorders) {
    c.equip[Head].push_back(piece("頭T", {}, {{kTorso, 0}}));
    set.pieces[Head] = 2;
    const auto lines = linesOf(BuildTextReport(c, set));
    // "%20s " then "   E ", "     " (body), "   E ", three empty cells and "    ".
    EXPECT_EQ(lines[19], sj((I(6) + "胴系倍加" + I(2) + "E" + I(4) + " E" + I(10) + "\r\n").c_str()));
}

TEST_F(TextReport, SecondSexAndTypeAreWrittenInWords) {
    set.sex = 2;
    set.type = 2;
    const auto lines = linesOf(BuildTextReport(c, set));
    EXPECT_EQ(lines[1], sj("■　女、ガンナー\r\n"));
    EXPECT_EQ(lines[2], "\r\n");
    EXPECT_EQ(lines[3], S);
}

TEST_F(TextReport, NoActivatedSkillLeavesTwoSeparatorsTogether) {
    const std::string report = BuildTextReport(c, ShownSet{});
    const std::string end = sj(("\r\n■　発動スキル一覧\r\n" + S + S).c_str());
    ASSERT_GE(report.size(), end.size());
    EXPECT_EQ(report.substr(report.size() - end.size()), end);
}

}  // namespace
}  // namespace vk
