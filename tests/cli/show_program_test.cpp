// "velkorantis-cli show" on files the search command saved, and on files it
// must refuse.
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/cli_test_support.h"

namespace {

using namespace vk::cli::test;
using Args = std::vector<std::string>;

const std::string kSample = VK_SAMPLE_DIR;

std::string lastLine(const std::string& err) {
    const std::vector<std::string> lines = lfLines(err);
    return lines.empty() ? std::string() : lines.back();
}

const Args kSearch = {"search", "--data", kSample, "--skill", "朧心・弐", "--skill", "瑠魂・壱", "--decorations",
                      "--weapon-slots", "2", "--hit-limit", "300", "--sex", "2"};

TEST(ShowProgram, ListsWhatTheSearchSavedAndReportsHitsAsTheSearchDoes) {
    ScratchDir scratch("show");
    Args search = kSearch;
    search.insert(search.end(), {"-o", (scratch / "saved.CSV").string(), "--report", "7"});
    const ProgramRun saved = runProgram(search, scratch);
    ASSERT_EQ(saved.status, 0) << saved.err;

    const ProgramRun listing = runProgram({"show", (scratch / "saved.CSV").string(), "--data", kSample}, scratch);
    ASSERT_EQ(listing.status, 0) << listing.err;
    EXPECT_EQ(lastLine(listing.err), "300 hits read");
    const std::vector<std::string> lines = lfLines(listing.out);
    ASSERT_GT(lines.size(), 300u);
    EXPECT_EQ(lines[0], "スキル１,朧心・弐");
    EXPECT_EQ(lines[1], "スキル２,瑠魂・壱");
    EXPECT_EQ(lines[5], "性別,女");
    const auto at = [&](const std::string& caption) {
        for (const std::string& l : lines)
            if (l.rfind(caption + ",", 0) == 0) return l.substr(caption.size() + 1);
        return std::string("(missing)");
    };
    EXPECT_EQ(at("武器スロット"), "武器スロット２");
    EXPECT_EQ(at("装飾品を使う"), "1");
    EXPECT_EQ(at("検索ヒット件数制限"), "300");
    EXPECT_EQ(at("検索結果"), "検索数制限");
    EXPECT_EQ(lines[lines.size() - 301], "no,防御,スロット,所持数");
    EXPECT_EQ(lines.back().substr(0, 4), "300,");

    const ProgramRun report =
        runProgram({"show", (scratch / "saved.CSV").string(), "--data", kSample, "--hit", "7"}, scratch);
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_EQ(report.out, saved.out);  // the search printed its report of hit 7 after nothing else
}

TEST(ShowProgram, RefusesWhatItCannotShow) {
    ScratchDir scratch("show-bad");
    Args search = kSearch;
    search.insert(search.end(), {"-o", (scratch / "saved.CSV").string()});
    ASSERT_EQ(runProgram(search, scratch).status, 0);
    {
        std::ofstream garbage(scratch / "garbage.CSV", std::ios::binary);
        garbage << "VELKORANTIS,0.8\r\n1,2,3\r\n";
    }
    std::filesystem::create_directory(scratch / "folder.CSV");
    {
        // Line 3 with the weapon's slots at the int maximum (its tenth field).
        std::ifstream in(scratch / "saved.CSV", std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::size_t at = bytes.find("\r\n", bytes.find("\r\n") + 2) + 2;
        for (int comma = 0; comma < 9; ++comma) at = bytes.find(',', at) + 1;
        bytes.replace(at, bytes.find(',', at) - at, "2147483647");
        std::ofstream(scratch / "slots.CSV", std::ios::binary) << bytes;
    }
    const std::string saved = (scratch / "saved.CSV").string();
    struct Case {
        Args args;
        int status;
        const char* errorHas;
    };
    const std::vector<Case> cases = {
        {{"show", (scratch / "garbage.CSV").string(), "--data", kSample}, 1, "ファイルの内容が間違っています"},
        {{"show", (scratch / "missing.CSV").string(), "--data", kSample}, 1, "ファイルの内容が間違っています"},
        {{"show", (scratch / "folder.CSV").string(), "--data", kSample}, 1, "ファイルの内容が間違っています"},
        {{"show", (scratch / "slots.CSV").string(), "--data", kSample, "--hit", "1"}, 1, "ファイルの内容が間違っています"},
        {{"show", saved, "--data", (scratch / "no-catalogue").string()}, 1, "catalogue"},
        {{"show", saved, "--data", kSample, "--hit", "301"}, 2, "no such hit"},
        {{"show", saved, "--data", kSample, "--hit", "0"}, 2, "--hit"},
        {{"show", "--data", kSample}, 2, "FILE"},
        {{"show", saved, saved}, 2, "one FILE"},
        {{"show", saved, "--sjis"}, 2, "--sjis"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = runProgram(c.args, scratch);
        EXPECT_EQ(run.status, c.status) << c.args[1];
        EXPECT_TRUE(run.out.empty()) << c.args[1];
        EXPECT_NE(run.err.find(c.errorHas), std::string::npos) << run.err;
    }
}

}  // namespace
