#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "core/results/name_lists.h"
#include "core/results/result_file_writer.h"
#include "core/text/sjis.h"

namespace {

using namespace vk;

// Local time is part of line 2: pin the zone so the expected text holds.
class UtcZone {
public:
    UtcZone() {
        if (const char* tz = std::getenv("TZ")) saved_ = tz, had_ = true;
        setenv("TZ", "UTC", 1);
        tzset();
    }
    ~UtcZone() {
        if (had_) setenv("TZ", saved_.c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }

private:
    std::string saved_;
    bool had_ = false;
};

Equip piece(const std::string& name) {
    Equip e;
    e.name = name;
    return e;
}

Catalogue smallCatalogue() {
    Catalogue cat;
    cat.skillTypes = {"", "Attack", "Guard"};
    cat.skillEqs = {{utf8ToSjis("無し"), 0, 0, 0, 0}, {"AtkUp", 1, 1, 0, 10}, {"GuardUp", 2, 2, 0, 10}};
    const char* partNames[kArmourParts] = {"Leg", "Head", "Body", "Arm", "Wst"};
    for (int p = 0; p < kArmourParts; ++p) {
        cat.equip[p] = {piece(utf8ToSjis("装備無し")), piece(std::string(partNames[p]) + "A"),
                        piece(std::string(partNames[p]) + "B")};
    }
    cat.decos.resize(3);
    cat.decos[0].name = "None";
    cat.decos[1].name = utf8ToSjis("攻撃珠");
    cat.decos[2].name = "GuardJewel";
    return cat;
}

SearchCondition sampleCondition() {
    SearchCondition c;
    c.sex = 2;
    c.rarityLimit = 5;
    c.type = 1;
    c.wanted = {2, 0, 1, 0, 0};  // box order, the second box empty
    c.wantedCount = 2;
    c.useDecorations = true;
    c.weaponSlots = 2;
    c.possessions = false;
    c.fixDecorations = true;
    c.fixedPiece = {0, 2, 0, 1, 0};
    c.fixed = {false, true, false, false, false};
    c.allFixedDecos.place(Head, 1, 2);
    c.allFixedDecos.place(Arm, 2, 1);  // the arm is not fixed but its decoration is still recorded
    c.fixedDecos.place(Head, 1, 2);
    c.HitLimit = 500;
    c.Priority = 3;
    c.threeSlotPieces = true;
    c.Interrupted = true;
    c.minDefence = 40;
    c.allPieces = false;
    return c;
}

Result hit(std::array<int, kArmourParts> index) {
    Result r;
    r.Index = index;
    return r;
}

ResultStore sampleHits() {
    ResultStore hits;
    Result a = hit({1, 2, 1, 0, 2});
    a.Decos.place(Leg, 1, 2);
    a.Decos.place(Weapon, 2, 1);
    hits.push_back(a);
    hits.push_back(hit({1, 2, 2, 1, 2}));  // armour only; shares Leg 1 with the first hit
    Result c = hit({2, 2, 1, 1, 0});
    c.Decos.place(Body, 2, 1);
    c.Decos.place(Body, 2, 1);
    hits.push_back(c);
    return hits;
}

std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t eol; (eol = text.find("\r\n", start)) != std::string::npos; start = eol + 2)
        lines.push_back(text.substr(start, eol - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

TEST(ResultFileWriter, EveryLineOfAFileWithThreeHits) {
    UtcZone utc;
    const Catalogue cat = smallCatalogue();
    const SearchCondition cond = sampleCondition();
    const ResultStore hits = sampleHits();
    ExceptFlags ex = ExceptFlags::sizedFor(cat);
    ex.equip[Arm][2] = 1;
    ex.equip[Leg][1] = 1;
    ex.deco[2] = 1;
    ex.deco[1] = 1;

    const std::string none = utf8ToSjis("無し");
    const std::string empty = utf8ToSjis("装備無し");
    const std::string atk = utf8ToSjis("攻撃珠");
    const std::vector<std::string> expected = {
        "VELKORANTIS,0.7",
        "3,1700000000,2023/11/14 22:13:20",
        "2,5,1,GuardUp," + none + ",AtkUp," + none + "," + none + ",1,2,0,500,3,1,1,40,0",
        "0," + empty + ",0,1,HeadB,2,0," + empty + ",0,0,ArmA,1,0," + empty + ",0",
        "1,0,0,0,0,1,1,0,2,0,0,0,0,1,0,0,1,0,0,0,0,0,0,0,0,"
        "None,0,None,0,None,0,0," + atk + ",1,None,0,None,0,1,None,0,None,0,None,0,0,"
        "GuardJewel,2,None,0,None,0,1,None,0,None,0,None,0,0,None,0,None,0,None,0,0,2",
        "EE,0,LegA,1",
        "EE,3,ArmB,2",
        "ED," + atk + ",1",
        "ED,GuardJewel,2",
        "L,0,LegA,1",
        "L,0,LegB,2",
        "L,1,HeadB,2",
        "L,2,BodyA,1",
        "L,2,BodyB,2",
        "L,3," + empty + ",0",
        "L,3,ArmA,1",
        "L,4,WstB,2",
        "L,4," + empty + ",0",
        "L,5," + atk + ",1",
        "L,5,None,0",
        "L,5,GuardJewel,2",
        "R,1,2,1,0,2,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2,0,0",
        "R,1,2,2,1,2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0",
        "R,2,2,1,1,0,0,0,0,0,0,0,2,2,0,0,0,0,0,0,0,0,0,0",
    };
    const std::string text = formatResultFile({cat, cond, hits, ex, 1700000000});
    const std::vector<std::string> lines = splitCrLf(text);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;

    std::ostringstream stream;
    writeResultFile(stream, {cat, cond, hits, ex, 1700000000});
    EXPECT_EQ(stream.str(), text);
}

TEST(ResultFileWriter, NoHitsNoExclusionsGivesOnlyTheFiveHeaderLines) {
    UtcZone utc;
    const Catalogue cat = smallCatalogue();
    SearchCondition cond;  // defaults; every wanted box empty
    const ResultStore hits;
    const ExceptFlags ex = ExceptFlags::sizedFor(cat);
    const std::vector<std::string> lines = splitCrLf(formatResultFile({cat, cond, hits, ex, 0}));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "0,0,1970/01/01 00:00:00");
    const std::string none = utf8ToSjis("無し");
    EXPECT_EQ(lines[2], "1,0,1," + none + "," + none + "," + none + "," + none + "," + none +
                            ",0,0,0,100000,0,0,0,0,0");
}

TEST(ResultFileWriter, SaveTimeIsWrittenAsSigned32Bits) {
    UtcZone utc;
    const Catalogue cat = smallCatalogue();
    const SearchCondition cond;
    const ResultStore hits;
    const ExceptFlags ex = ExceptFlags::sizedFor(cat);
    const std::time_t past2038 = std::time_t{2147483648} + 5;  // 2038/01/19 03:14:13 UTC
    const std::vector<std::string> lines = splitCrLf(formatResultFile({cat, cond, hits, ex, past2038}));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], "0,-2147483643,2038/01/19 03:14:13");
}

TEST(NameLists, DistinctRowsInFirstOccurrenceOrder) {
    ResultStore hits;
    hits.push_back(hit({3, 1, 1, 1, 1}));
    hits.push_back(hit({3, 1, 1, 1, 1}));  // same Leg piece: listed once
    hits.push_back(hit({1, 1, 1, 1, 1}));
    hits.push_back(hit({3, 1, 1, 1, 1}));
    Result decorated = hit({2, 1, 1, 1, 1});
    decorated.Decos.place(Weapon, 4, 1);
    decorated.Decos.place(Leg, 7, 1);
    hits.push_back(decorated);

    const NameLists lists = collectNameLists(hits);
    EXPECT_EQ(lists[Leg], (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(lists[Head], (std::vector<int>{1}));
    // Armour-only hits come first, so the empty entry 0 leads; rows Leg..Weapon order the rest.
    EXPECT_EQ(lists[5], (std::vector<int>{0, 7, 4}));
    EXPECT_TRUE(collectNameLists(ResultStore{})[5].empty());
}

// A long list is collected in two halves on two threads: rows first met in
// the second half, or met in both, keep the order of a single pass.
TEST(NameLists, LongListsKeepFirstOccurrenceOrderAcrossHalves) {
    ResultStore hits;
    const int legs[] = {5, 3, 5, 70000, -1, 9, 3, 7, 70000, 9};
    for (int i = 0; i < 200000; ++i) {
        // The first half cycles through 5, 3, 5, 70000; the second through
        // -1, 9, 3, 7, 70000, 9: three new rows and two met before.
        const int leg = i < 100000 ? legs[(i / 7) % 4] : legs[4 + (i - 100000) / 7 % 6];
        hits.push_back(hit({leg, 1, 1, 1, 1}));
    }
    const NameLists lists = collectNameLists(hits);
    EXPECT_EQ(lists[Leg], (std::vector<int>{5, 3, 70000, -1, 9, 7}));
    EXPECT_EQ(lists[Head], (std::vector<int>{1}));
}

class SaveResultFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("vk_result_save_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    static std::string readAll(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::filesystem::path dir_;
};

TEST_F(SaveResultFile, ReplacesTheTargetAndLeavesNoTemporary) {
    const Catalogue cat = smallCatalogue();
    const SearchCondition cond = sampleCondition();
    const ResultStore hits = sampleHits();
    const ExceptFlags ex = ExceptFlags::sizedFor(cat);
    const ResultFileContent content{cat, cond, hits, ex, 1700000000};
    const auto target = dir_ / "a.CSV";
    { std::ofstream(target) << "old"; }

    std::string error;
    ASSERT_TRUE(saveResultFile(target, content, &error)) << error;
    EXPECT_EQ(readAll(target), formatResultFile(content));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

// Many hits fill the write buffer many times over and are formatted in
// blocks on two threads; rows at the ends of the int range are kept whole by
// the store and still written digit for digit.
TEST_F(SaveResultFile, LargeFilesAreWrittenDigitForDigitByEveryRoute) {
    const Catalogue cat = smallCatalogue();
    const SearchCondition cond = sampleCondition();
    const ExceptFlags ex = ExceptFlags::sizedFor(cat);
    const int extremes[] = {0, -1, 7, 65534, 65535, -2147483647 - 1, 2147483647};
    ResultStore hits;
    std::string expectedHits;
    for (int i = 0; i < 40000; ++i) {
        Result r;
        for (int p = 0; p < kArmourParts; ++p) r.Index[p] = extremes[(i + p) % 7];
        for (int p = 0; p < kDecoParts; ++p) r.Decos.DecoIndex[p][i % kSlotsPerPart] = extremes[(i * 3 + p) % 7];
        hits.push_back(r);
        expectedHits += "R";
        for (int row : r.Index) expectedHits += "," + std::to_string(row);
        for (int p = 0; p < kDecoParts; ++p)
            for (int s = 0; s < kSlotsPerPart; ++s) expectedHits += "," + std::to_string(r.Decos.DecoIndex[p][s]);
        expectedHits += "\r\n";
    }
    const ResultFileContent content{cat, cond, hits, ex, 1700000000};
    const std::string text = formatResultFile(content);
    ASSERT_GT(expectedHits.size(), 40u * 64 * 1024);
    ASSERT_GE(text.size(), expectedHits.size());
    EXPECT_EQ(text.substr(text.size() - expectedHits.size()), expectedHits);

    std::ostringstream streamed;
    writeResultFile(streamed, content);
    EXPECT_EQ(streamed.str(), text);
    const auto target = dir_ / "large.CSV";
    ASSERT_TRUE(saveResultFile(target, content));
    EXPECT_EQ(readAll(target), text);
}

TEST_F(SaveResultFile, FailedSaveKeepsThePreviousFile) {
    const Catalogue cat = smallCatalogue();
    const SearchCondition cond;
    const ResultStore hits;
    const ExceptFlags ex = ExceptFlags::sizedFor(cat);
    const auto target = dir_ / "b.CSV";
    { std::ofstream(target) << "previous good file"; }
    // The target's place is taken by a folder in a second case: the rename must fail.
    const auto blocked = dir_ / "c.CSV";
    std::filesystem::create_directories(blocked / "inside");

    std::string error;
    EXPECT_FALSE(saveResultFile(dir_ / "missing" / "b.CSV", {cat, cond, hits, ex, 0}, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(saveResultFile(blocked, {cat, cond, hits, ex, 0}, &error));
    EXPECT_TRUE(std::filesystem::is_directory(blocked / "inside"));
    EXPECT_EQ(readAll(target), "previous good file");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 2) << "a temporary was left";
}

}  // namespace
