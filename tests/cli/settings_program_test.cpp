// velkorantis-cli settings: a settings file read against the sample and
// written back as the program writes it at close.
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "core/text/sjis.h"

namespace {

using namespace vk::cli::test;

const std::string kSample = VK_SAMPLE_DIR;

TEST(SettingsProgram, RewritesTheConditionsAndDropsTheOlderKeys) {
    ScratchDir scratch("vk_cli_settings");
    std::ofstream(scratch / "velkorantis.INI", std::ios::binary)
        << vk::utf8ToSjis("[General]\r\nLeft=5\r\nOwn=kept\r\n"
                          "[Condition]\r\nSkill1=瑠刃・壱\r\nSkill2=消えた発動\r\nFixHeadName=消えた冠\r\nFixHeadIndex=1\r\n"
                          "FixHeadDecoName0=瑠刃の欠片\r\nExceptHeadName0=翠殻冠\r\nHitLimit=x\r\n"
                          "[Possession]\r\nHeadName0=翠殻冠\r\nHeadIndex0=1\r\n"
                          "[Result]\r\nWidth=700\r\n");
    const std::vector<std::string> args = {"settings", "--data", kSample, (scratch / "velkorantis.INI").string(),
                                           "-o", (scratch / "out.INI").string()};
    const ProgramRun run = runProgram(args, scratch);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lfLines(run.err).back(),
              "1 wanted skills, 1 fixed pieces, 1 fixed decorations; older keys dropped: 1 exclusions, "
              "1 possessions, 0 my sets");
    const std::vector<std::string> lines = crLfLines(vk::sjisToUtf8(readFile(scratch / "out.INI")));
    auto has = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    for (const char* line : {"Left=5", "Own=kept", "Top=105", "Page=0", "[Result]", "Width=700", "Skill1=瑠刃・壱",
                             "Skill2=なし", "FixHeadName=翠殻冠", "FixHeadIndex=1", "FixHeadDecoName0=瑠刃の欠片",
                             "FixHeadDecoIndex0=1", "HitLimit=100000", "SexPoss=0"})
        EXPECT_TRUE(has(line)) << line;
    for (const char* line : {"ExceptHeadName0=翠殻冠", "HeadName0=翠殻冠"}) EXPECT_FALSE(has(line)) << line;

    // The empty boxes' text "装備無し" names no piece: read back, index 0
    // stands in and the boxes take the none row's name. From then on a
    // rewrite changes nothing.
    ASSERT_EQ(runProgram({"settings", "--data", kSample, (scratch / "out.INI").string(), "-o",
                          (scratch / "again.INI").string()},
                         scratch)
                  .status,
              0);
    EXPECT_NE(vk::sjisToUtf8(readFile(scratch / "again.INI")).find("FixBodyName=装備なし\r\n"), std::string::npos);
    const ProgramRun third = runProgram({"settings", "--data", kSample, (scratch / "again.INI").string()}, scratch);
    ASSERT_EQ(third.status, 0);
    EXPECT_EQ(third.out, readFile(scratch / "again.INI"));
}

TEST(SettingsProgram, RefusalsAndFailures) {
    ScratchDir scratch("vk_cli_settings_bad");
    EXPECT_EQ(runProgram({"settings", "--data", kSample}, scratch).status, 2);
    EXPECT_EQ(runProgram({"settings", "a.INI", "b.INI"}, scratch).status, 2);
    const ProgramRun missing = runProgram({"settings", "--data", kSample, (scratch / "none.INI").string()}, scratch);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
    std::ofstream(scratch / "x.INI") << "[General]\n";
    EXPECT_EQ(runProgram({"settings", "--data", (scratch / "nowhere").string(), (scratch / "x.INI").string()}, scratch)
                  .status,
              1);
    EXPECT_EQ(runProgram({"settings", "--data", kSample, (scratch / "x.INI").string(), "-o",
                          (scratch / "no-folder" / "y.INI").string()},
                         scratch)
                  .status,
              1);
}

}  // namespace
