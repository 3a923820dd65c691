// "velkorantis-cli addable" run end to end on the sample catalogue.
#include <regex>

#include <gtest/gtest.h>

#include "cli/cli_test_support.h"

namespace {

using namespace vk::cli::test;
using Args = std::vector<std::string>;

const std::string kSample = VK_SAMPLE_DIR;
const std::regex kSummary("([0-9]+) of ([0-9]+) skills can be added, [0-9]+\\.[0-9]{2} s");

TEST(AddableProgram, ListsSkillsWhoseSearchFindsHits) {
    ScratchDir scratch("addable");
    const Args wish = {"--data", kSample, "--skill", "朧心・弐", "--skill", "瑠魂・壱", "--decorations",
                       "--weapon-slots", "2"};
    Args args = {"addable"};
    args.insert(args.end(), wish.begin(), wish.end());
    const ProgramRun run = runProgram(args, scratch);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> skills = lfLines(run.out);
    std::smatch m;
    const std::string summary = lastLine(run.err);
    ASSERT_TRUE(std::regex_match(summary, m, kSummary)) << run.err;
    EXPECT_EQ(m[1].str(), std::to_string(skills.size()));
    ASSERT_FALSE(skills.empty());
    EXPECT_LT(skills.size(), std::stoul(m[2].str()));
    args.insert(args.end(), {"--threads", "1"});
    EXPECT_EQ(runProgram(args, scratch).out, run.out) << "one thread lists the same";
    // The last skill listed, added, finds a hit.
    Args search = {"search"};
    search.insert(search.end(), wish.begin(), wish.end());
    search.insert(search.end(), {"--skill", skills.back(), "--hit-limit", "1"});
    const ProgramRun found = runProgram(search, scratch);
    EXPECT_EQ(lastLine(found.err).rfind("1 hits,", 0), 0u) << found.err;
}

TEST(AddableProgram, RefusedCommandLinesExitTwoAndSearchNothing) {
    ScratchDir scratch("addable-bad");
    const std::vector<std::pair<Args, std::string>> bad = {
        {{"--skill", "瑠刃・壱", "--hit-limit", "5"}, "--hit-limit plays no part"},
        {{"--skill", "瑠刃・壱", "-o", "x.CSV"}, "-o plays no part"},
        {{"--skill", "瑠刃・壱", "--report", "1"}, "--report plays no part"},
        {{"--skill", "瑠刃・壱", "--skill", "瑠刃・弐"}, "--skill: 同系統のスキルは複数選択できません"},
        {{"--skill", "無い技能"}, "unknown skill"},
    };
    for (auto [args, message] : bad) {
        args.insert(args.begin(), {"addable", "--data", kSample});
        const ProgramRun run = runProgram(args, scratch);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_TRUE(run.out.empty()) << message;
        EXPECT_EQ(lfLines(run.err).size(), 1u) << run.err;
        EXPECT_EQ(run.err.rfind("velkorantis-cli addable: " + message, 0), 0u) << run.err;
    }
    ScratchDir empty("addable-nodata");
    EXPECT_EQ(runProgram({"addable", "--data", empty.path().string(), "--skill", "瑠刃・壱"}, scratch).status, 1);
}

TEST(AddableProgram, CtrlCPrintsTheSkillsDecidedSoFar) {
    ScratchDir scratch("addable-interrupt");
    // One reference search per candidate over every piece takes hours.
    const ProgramRun run = runInterrupted({"addable", "--data", kSample, "--engine", "reference", "--skill",
                                           "朧心・弐", "--skill", "瑠魂・壱", "--decorations", "--weapon-slots", "3",
                                           "--all-pieces"},
                                          scratch, 700);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = lfLines(run.err);
    ASSERT_EQ(lines.size(), 2u) << run.err;
    std::smatch m;
    ASSERT_TRUE(std::regex_match(lines[1], m, kSummary)) << lines[1];
    EXPECT_TRUE(std::regex_match(lines[0], std::regex("interrupted: [0-9]+ of " + m[2].str() + " candidates decided")))
        << lines[0];
    EXPECT_EQ(m[1].str(), std::to_string(lfLines(run.out).size()));
}

}  // namespace
