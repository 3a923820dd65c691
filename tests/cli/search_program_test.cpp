// The built velkorantis-cli run end to end on the sample catalogue.
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "core/text/sjis.h"

namespace {

using namespace vk::cli::test;
using Args = std::vector<std::string>;

const std::string kSample = VK_SAMPLE_DIR;


// Checks a result file's shape: identification, hit count, skills, and that
// the L records name every row the R records use.
void expectResultFileShape(const std::string& bytes, const std::vector<std::string>& skillsUtf8,
                           const std::string& summary) {
    ASSERT_FALSE(bytes.empty());
    ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    const std::vector<std::string> lines = crLfLines(bytes);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "VELKORANTIS,0.7");

    const std::vector<std::string> summaryFields = commaFields(lines[1]);
    ASSERT_EQ(summaryFields.size(), 3u);
    EXPECT_TRUE(std::regex_match(summaryFields[1], std::regex("-?[0-9]+")));
    EXPECT_TRUE(std::regex_match(summaryFields[2], std::regex("[0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}")));

    const std::vector<std::string> condition = commaFields(lines[2]);
    ASSERT_EQ(condition.size(), 17u);
    for (std::size_t i = 0; i < skillsUtf8.size(); ++i)
        EXPECT_EQ(vk::sjisToUtf8(condition[3 + i]), skillsUtf8[i]) << "skill box " << i + 1;
    EXPECT_EQ(commaFields(lines[3]).size(), 15u);
    EXPECT_EQ(commaFields(lines[4]).size(), 1u + 24u + 6u * 7u + 1u);

    std::map<int, std::set<std::string>> listed;  // part -> indices of its L records
    std::size_t records = 0;
    std::vector<std::vector<std::string>> hits;
    for (std::size_t i = 5; i < lines.size(); ++i) {
        const std::vector<std::string> f = commaFields(lines[i]);
        if (f[0] == "L") {
            ASSERT_EQ(f.size(), 4u) << lines[i];
            EXPECT_TRUE(listed[std::stoi(f[1])].insert(f[3]).second) << "listed twice: " << lines[i];
        } else if (f[0] == "R") {
            ASSERT_EQ(f.size(), 24u) << lines[i];
            hits.push_back(f);
        } else {
            ADD_FAILURE() << "unexpected record " << lines[i];
        }
        ++records;
    }
    EXPECT_EQ(summaryFields[0], std::to_string(hits.size()));
    EXPECT_EQ(hits.empty(), listed.empty()) << "L records exactly when there are hits";
    for (const auto& r : hits) {
        for (int p = 0; p < 5; ++p) EXPECT_TRUE(listed[p].count(r[1 + p])) << "part " << p << " row " << r[1 + p];
        for (int e = 0; e < 18; ++e) EXPECT_TRUE(listed[5].count(r[6 + e])) << "decoration " << r[6 + e];
    }
    std::smatch m;
    ASSERT_TRUE(std::regex_match(summary, m, std::regex("([0-9]+) hits, ([0-9]+) of ([0-9]+) combinations tested, [0-9]+\\.[0-9]{2} s")))
        << summary;
    EXPECT_EQ(m[1].str(), std::to_string(hits.size()));
    EXPECT_LE(std::stoull(m[2].str()), std::stoull(m[3].str()));
    EXPECT_GT(records, 0u);
}

TEST(SearchProgram, WritesAResultFileToStandardOutput) {
    ScratchDir scratch("stdout");
    const ProgramRun run = runProgram({"search", "--data", kSample, "--skill", "柘矢・壱", "--skill", "珀矢・壱"}, scratch);
    ASSERT_EQ(run.status, 0) << run.err;
    expectResultFileShape(run.out, {"柘矢・壱", "珀矢・壱", "なし", "なし", "なし"}, lastLine(run.err));
    EXPECT_NE(run.out.find("\r\nR,"), std::string::npos) << "the sample has hits for these skills";
    EXPECT_EQ(lfLines(run.err).size(), 1u) << "only the summary when standard error is no terminal";
}

TEST(SearchProgram, WritesAResultFileWithDecorationsAndFixedPiecesToAFile) {
    ScratchDir scratch("file");
    const auto file = scratch / "result.CSV";
    const ProgramRun run = runProgram({"search", "--data", kSample, "--skill", "澪閃・壱", "--skill", "瑠刃・壱",
                                       "--decorations", "--weapon-slots", "1", "--sex", "2", "--hit-limit", "300",
                                       "--fix", "head=#12", "--fix-deco", "head=澪閃の欠片", "--fix-decorations",
                                       "-o", file.string()},
                                      scratch);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    const std::string bytes = readFile(file);
    expectResultFileShape(bytes, {"澪閃・壱", "瑠刃・壱"}, lastLine(run.err));
    const std::vector<std::string> lines = crLfLines(bytes);
    const std::vector<std::string> condition = commaFields(lines[2]);
    EXPECT_EQ(condition[0], "2");    // sex
    EXPECT_EQ(condition[8], "1");    // decorations
    EXPECT_EQ(condition[9], "1");    // weapon slots
    EXPECT_EQ(condition[11], "300"); // hit limit
    const std::vector<std::string> fixedPieces = commaFields(lines[3]);
    EXPECT_EQ(fixedPieces[3], "1");   // head fixed
    EXPECT_EQ(fixedPieces[5], "12");  // head row
    const std::vector<std::string> fixedDecos = commaFields(lines[4]);
    EXPECT_EQ(fixedDecos[0], "1");  // the fixed decorations count
    EXPECT_EQ(vk::sjisToUtf8(fixedDecos[25 + 7]), "澪閃の欠片");  // head row, first entry
    for (std::size_t i = 5; i < lines.size(); ++i) {
        if (lines[i].rfind("R,", 0) == 0) {
            EXPECT_EQ(commaFields(lines[i])[2], "12") << "the head is fixed";
        }
    }
}

// The memory budget ends a search as a stop does: its hits are written as an interrupted search.
TEST(SearchProgram, MemoryBudgetEndsTheSearchAndSavesItAsInterrupted) {
    ScratchDir scratch("budget");
    const auto file = scratch / "result.CSV";
    const ProgramRun run = runProgram({"search", "--data", kSample, "--skill", "澪閃・壱", "--all-pieces",
                                       "--decorations", "--weapon-slots", "3", "--hit-limit", "-1", "--max-memory",
                                       "1", "-o", file.string()},
                                      scratch);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> err = lfLines(run.err);
    ASSERT_EQ(err.size(), 2u) << run.err;
    EXPECT_EQ(err[0], "stopped: memory budget of 1 MB reached");
    const std::string bytes = readFile(file);
    expectResultFileShape(bytes, {"澪閃・壱"}, err[1]);
    EXPECT_EQ(commaFields(crLfLines(bytes)[2])[14], "1");  // Interrupted
    // A megabyte holds at most 20,164 hits of 52 bytes, reserved 4,096 at a time.
    EXPECT_NEAR(std::stoi(commaFields(crLfLines(bytes)[1])[0]), 18000, 2200);
}

TEST(SearchProgram, BadInputExitsTwoAndWritesNothing) {
    const std::vector<Args> bad = {
        {"--skill", "無い技能"},                                  // unknown skill
        {"--skill", "瑠刃・壱", "--skill", "瑠刃・弐"},            // two of one system
        {"--sex", "1"},                                            // no skill
        {"--skill", "瑠刃・壱", "--turbo"},                        // unknown option
        {"--skill", "瑠刃・壱", "--fix", "neck=#1"},               // unknown part
        {"--skill", "瑠刃・壱", "--fix", "head=無い兜"},           // unknown piece
        {"--skill", "瑠刃・壱", "--fix", "head=#100000"},          // no such row
        {"--skill", "瑠刃・壱", "--rarity", "9"},                  // out of range
        {"--skill", "瑠刃・壱", "--weapon-slots", "two"},          // not a number
        {"--skill", "瑠刃・壱", "--hit-limit"},                    // missing value
        {"--skill", "瑠刃・壱", "--max-memory", "0"},              // no room
        {"--skill", "瑠刃・壱", "--fix-deco", "head=澪閃の欠片"},  // part not fixed
        {"--skill", "瑠刃・壱", "--fix", "head=#1", "--fix-deco", "head=澪閃の欠片"},  // row 1 has no slot
    };
    for (Args args : bad) {
        ScratchDir scratch("bad");
        const auto file = scratch / "never.CSV";
        args.insert(args.begin(), {"search", "--data", kSample});
        args.insert(args.end(), {"-o", file.string()});
        const ProgramRun run = runProgram(args, scratch);
        std::string shown;
        for (const auto& a : args) shown += a + " ";
        EXPECT_EQ(run.status, 2) << shown << "\n" << run.err;
        EXPECT_FALSE(std::filesystem::exists(file)) << shown;
        EXPECT_TRUE(run.out.empty()) << shown;
        EXPECT_EQ(lfLines(run.err).size(), 1u) << "one line: " << run.err;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()), {}), 0) << shown;
    }
}

TEST(SearchProgram, OutputIntoAMissingFolderIsRefusedBeforeSearching) {
    ScratchDir scratch("nofolder");
    const auto file = scratch / "absent" / "x.CSV";
    const ProgramRun run = runProgram({"search", "--data", kSample, "--skill", "瑠刃・壱", "-o", file.string()}, scratch);
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(run.err.find("combinations tested"), std::string::npos) << "refused before the search";
    EXPECT_FALSE(std::filesystem::exists(file.parent_path()));
}

TEST(SearchProgram, MissingCatalogueFileExitsOneWithTheLoadersMessage) {
    ScratchDir scratch("missing");
    const auto data = scratch / "data";
    std::filesystem::copy(kSample, data);
    std::filesystem::remove(data / "ZEVAEQUIP_DECO.csv");
    const auto file = scratch / "never.CSV";
    const ProgramRun run =
        runProgram({"search", "--data", data.string(), "--skill", "瑠刃・壱", "-o", file.string()}, scratch);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("ZEVAEQUIP_DECO.csv"), std::string::npos) << run.err;
}

TEST(SearchProgram, HelpAndDispatch) {
    ScratchDir scratch("help");
    const ProgramRun help = runProgram({"search", "--help"}, scratch);
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--data", "--skill", "--sex", "--type", "--rarity", "--decorations", "--weapon-slots",
                               "--three-slot", "--all-pieces", "--hit-limit", "--priority", "--min-defence", "--fix",
                               "--fix-deco", "--fix-decorations", "-o", "--max-memory"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    EXPECT_EQ(runProgram({}, scratch).status, 2);
    EXPECT_EQ(runProgram({"explode"}, scratch).status, 2);
    EXPECT_EQ(runProgram({"--help"}, scratch).status, 0);
}

}  // namespace
