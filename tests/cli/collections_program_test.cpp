// velkorantis-cli with collections: "search --collections FILE
// [--possessions]" and the "collections" command, end to end on the sample.
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "core/text/sjis.h"

namespace {

using namespace vk::cli::test;
using Args = std::vector<std::string>;

const std::string kSample = VK_SAMPLE_DIR;

void writeSjis(const std::filesystem::path& file, const std::string& utf8) {
    std::ofstream(file, std::ios::binary) << vk::utf8ToSjis(utf8);
}

std::vector<std::string> recordsOf(const std::string& bytes, const std::string& kind) {
    std::vector<std::string> found;
    for (const std::string& line : crLfLines(bytes))
        if (line.rfind(kind + ",", 0) == 0) found.push_back(vk::sjisToUtf8(line));
    return found;
}

TEST(CollectionsProgram, SearchLeavesOutExcludedPiecesAndRecordsTheExclusions) {
    ScratchDir scratch("vk_cli_collections_search");
    const Args search = {"search", "--data", kSample, "--skill", "柘矢・壱", "--skill", "珀矢・壱"};
    Args plain = search;
    plain.insert(plain.end(), {"-o", (scratch / "plain.csv").string()});
    ASSERT_EQ(runProgram(plain, scratch).status, 0);
    const std::vector<std::string> legs = recordsOf(readFile(scratch / "plain.csv"), "L,0");
    ASSERT_FALSE(legs.empty());
    const std::string excludedLeg = legs.front().substr(2);  // "0,NAME,INDEX"

    writeSjis(scratch / "config.csv", "EE," + excludedLeg + "\r\nPE,1,翠殻冠,1\r\nP\r\n");
    Args excluded = search;
    excluded.insert(excluded.end(), {"--collections", (scratch / "config.csv").string(), "--possessions", "-o",
                                     (scratch / "excluded.csv").string()});
    const ProgramRun run = runProgram(excluded, scratch);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = readFile(scratch / "excluded.csv");
    EXPECT_EQ(recordsOf(bytes, "EE"), Args{"EE," + excludedLeg});
    for (const std::string& leg : recordsOf(bytes, "L,0")) EXPECT_NE(leg, legs.front());
    EXPECT_EQ(commaFields(crLfLines(bytes)[2])[10], "1");  // 所持品利用 recorded

    ASSERT_EQ(runProgram({"search", "--skill", "柘矢・壱", "--possessions"}, scratch).status, 2);
    const ProgramRun missing = runProgram({"search", "--data", kSample, "--skill", "柘矢・壱", "--collections",
                                           (scratch / "none.csv").string()}, scratch);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
}

TEST(CollectionsProgram, CollectionsCommandResolvesAnewAndCountsWhatItKept) {
    ScratchDir scratch("vk_cli_collections_command");
    // A renamed piece (resolved by its index), a decoration named right with a
    // stale index, a my set with a comma in its name, then a malformed line.
    writeSjis(scratch / "old.csv",
              "EE,1,古い名前,1\r\nED,瑠刃の欠片,7\r\nMH,1,2,3,名前,コンマ\r\nME,1,翠殻冠,1\r\nM\r\n"
              "PE,0,翠殻長靴,1\r\nPD,0,0,瑠刃の欠片,1\r\nP\r\nEE,1\r\nPE,1,翠殻冠,1\r\nP\r\n");
    const std::string out = (scratch / "config.csv").string();
    const ProgramRun run = runProgram({"collections", "--data", kSample, (scratch / "old.csv").string(), "-o", out},
                                      scratch);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lastLine(run.err), "1 piece exclusions, 1 decoration exclusions, 1 my sets, 1 possessions");
    EXPECT_NE(run.err.find("old.csv: reading stopped at line 9\n"), std::string::npos);
    const std::string saved = readFile(out);
    EXPECT_EQ(recordsOf(saved, "EE"), Args{"EE,1,翠殻冠,1"});
    EXPECT_EQ(recordsOf(saved, "ED"), Args{"ED,瑠刃の欠片,1"});
    EXPECT_EQ(recordsOf(saved, "MH"), Args{"MH,1,2,3,名前,コンマ"});
    EXPECT_EQ(recordsOf(saved, "MD").size(), 18u);
    EXPECT_EQ(recordsOf(saved, "PD"), Args{"PD,0,0,瑠刃の欠片,1"});

    // To standard output the same bytes; a second pass changes nothing.
    const ProgramRun again = runProgram({"collections", "--data", kSample, out}, scratch);
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, saved);

    // Nothing to store: nothing written, OUT removed.
    writeSjis(scratch / "empty.csv", "ZZ,unknown\r\nEE,1,無い名前,9999\r\n");
    const ProgramRun empty = runProgram({"collections", "--data", kSample, (scratch / "empty.csv").string(), "-o", out},
                                        scratch);
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(lastLine(empty.err), "0 piece exclusions, 0 decoration exclusions, 0 my sets, 0 possessions");
    EXPECT_FALSE(std::filesystem::exists(out));

    struct Refusal {
        Args args;
        int status;
    };
    const Refusal refusals[] = {
        {{"collections", "--data", kSample}, 2},
        {{"collections", "--data", kSample, "a.csv", "b.csv"}, 2},
        {{"collections", "--data", kSample, "--turbo", "a.csv"}, 2},
        {{"collections", "--data", kSample, (scratch / "missing.csv").string()}, 1},
        {{"collections", "--data", scratch.path().string(), (scratch / "old.csv").string()}, 1},
        {{"collections", "--data", kSample, (scratch / "old.csv").string(), "-o",
          (scratch / "no" / "such" / "folder.csv").string()}, 1},
    };
    for (const Refusal& r : refusals) {
        const ProgramRun refused = runProgram(r.args, scratch);
        EXPECT_EQ(refused.status, r.status) << r.args.back() << ": " << refused.err;
        EXPECT_TRUE(refused.out.empty());
    }
}

}  // namespace
