// What the built program does when its output cannot be written, when the
// output or a data file is no regular file, when it is stopped, and when a
// catalogue file is empty.

#include <chrono>
#include <fstream>
#include <future>
#include <regex>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "cli/signal_cleanup.h"
#include "core/files/replace_file.h"

namespace {

using namespace vk::cli::test;
using Args = std::vector<std::string>;
namespace fs = std::filesystem;

const std::string kSample = VK_SAMPLE_DIR;
const Args kQuickSearch = {"search", "--data", kSample, "--skill", "柘矢・壱", "--skill", "珀矢・壱"};

Args with(Args args, const Args& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::vector<std::string> entries(const fs::path& dir) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(dir)) out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

TEST(OutputSafety, AFullStandardOutputExitsOneWithAMessage) {
    struct Case {
        Args args;
        std::string message;
    };
    ScratchDir scratch("full");
    const std::string file = (scratch / "r.CSV").string();
    const std::vector<Case> cases = {
        {kQuickSearch, "cannot write the result file to standard output: No space left on device"},
        {with(kQuickSearch, {"--report", "1", "-o", file}), "cannot write the report to standard output"},
        {{"search", "--help"}, "cannot write to standard output"},
        {{"--version"}, "cannot write to standard output"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        const ProgramRun run = runProgram(c.args, scratch, "/dev/full");
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("combinations tested"), std::string::npos) << "no summary after a failed write";
    }
}

TEST(OutputSafety, OutputThroughASymlinkOrIntoAFifo) {
    ScratchDir scratch("nodes");
    fs::create_directory(scratch / "kept");
    { std::ofstream(scratch / "kept" / "r.CSV") << "old"; }
    fs::create_symlink("kept/r.CSV", scratch / "link.CSV");
    ASSERT_EQ(::mkfifo((scratch / "pipe").c_str(), 0600), 0);

    const ProgramRun viaLink = runProgram(with(kQuickSearch, {"-o", (scratch / "link.CSV").string()}), scratch);
    ASSERT_EQ(viaLink.status, 0) << viaLink.err;
    EXPECT_TRUE(fs::is_symlink(scratch / "link.CSV")) << "the link stays a link";
    EXPECT_EQ(readFile(scratch / "kept" / "r.CSV").rfind("VELKORANTIS,0.7\r\n", 0), 0u);

    auto reader = std::async(std::launch::async, [&] { return readFile(scratch / "pipe"); });
    const ProgramRun intoFifo = runProgram(with(kQuickSearch, {"-o", (scratch / "pipe").string()}), scratch);
    ASSERT_EQ(intoFifo.status, 0) << intoFifo.err;
    EXPECT_EQ(reader.get().rfind("VELKORANTIS,0.7\r\n", 0), 0u);
    EXPECT_TRUE(fs::is_fifo(scratch / "pipe")) << "the FIFO is written in place, not replaced";
    EXPECT_EQ(entries(scratch.path()), (std::vector<std::string>{"kept", "link.CSV", "pipe"}));
    EXPECT_EQ(entries(scratch / "kept"), (std::vector<std::string>{"r.CSV"}));
}

TEST(OutputSafety, CatalogueFaultsExitOne) {
    struct Case {
        const char* what;
        void (*damage)(const fs::path& data);
        Args extra;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"an empty armour file", [](const fs::path& d) { std::ofstream(d / "ZEVAEQUIP_LEG.csv", std::ios::trunc); },
         {}, "ZEVAEQUIP_LEG.csv has no data lines"},
        {"an empty armour file and a fixed row", [](const fs::path& d) { std::ofstream(d / "ZEVAEQUIP_LEG.csv", std::ios::trunc); },
         {"--fix", "leg=#1"}, "ZEVAEQUIP_LEG.csv has no data lines"},
        {"a FIFO as decoration file",
         [](const fs::path& d) {
             fs::remove(d / "ZEVAEQUIP_DECO.csv");
             ::mkfifo((d / "ZEVAEQUIP_DECO.csv").c_str(), 0600);
         },
         {}, "ZEVAEQUIP_DECO.csv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir scratch("catalogue");
        const fs::path data = scratch / "data";
        fs::copy(kSample, data);
        c.damage(data);
        const auto started = std::chrono::steady_clock::now();
        const ProgramRun run = runProgram(
            with({"search", "--data", data.string(), "--skill", "柘矢・壱", "-o", (scratch / "r.CSV").string()}, c.extra),
            scratch);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(60)) << "it waited";
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("18446744073709551615"), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(scratch / "r.CSV"));
        const ProgramRun bench = runProgram({"bench", "--data", data.string()}, scratch);
        EXPECT_EQ(bench.status, 1) << bench.err;
    }
}

TEST(OutputSafety, AnEmptyOutputNameIsRefusedBeforeTheSearch) {
    ScratchDir scratch("empty-name");
    const ProgramRun run = runProgram(with(kQuickSearch, {"-o", ""}), scratch);
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(run.err, "velkorantis-cli search: -o needs a file name\n");
}

TEST(OutputSafety, CtrlCSaysTheSearchWasInterruptedBeforeTheSummary) {
    ScratchDir scratch("interrupt");
    const fs::path file = scratch / "r.CSV";
    // The longest bench case on the reference engine runs for minutes.
    const ProgramRun run = runInterrupted({"search", "--data", kSample, "--engine", "reference", "--skill",
                                           "朧心・壱", "--skill", "瑠魂・壱", "--skill", "樺魂・壱", "--skill",
                                           "菫心・壱", "--decorations", "--weapon-slots", "3", "--all-pieces",
                                           "--hit-limit", "-1", "-o", file.string()},
                                          scratch, 700);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = lfLines(run.err);
    ASSERT_GE(lines.size(), 2u) << run.err;
    EXPECT_EQ(lines[lines.size() - 2],
              "interrupted: the search was stopped by Ctrl+C; the hits found until then were written");
    EXPECT_TRUE(std::regex_match(lines.back(), std::regex("[0-9]+ hits, [0-9]+ of [0-9]+ combinations tested, [0-9.]+ s")))
        << lines.back();
    const std::vector<std::string> condition = commaFields(crLfLines(readFile(file)).at(2));
    EXPECT_EQ(condition.at(14), "1") << "the file records the interruption";
    EXPECT_EQ(entries(scratch.path()), (std::vector<std::string>{"background.stderr", "background.stdout", "r.CSV"}));
}

// Ctrl+C while the file is being written: the program ends as Ctrl+C ends
// it, the old file stays, and no temporary is left.
TEST(OutputSafety, CtrlCDuringTheWriteLeavesNoTemporary) {
    ScratchDir scratch("write-interrupt");
    const fs::path target = scratch / "r.CSV";
    { std::ofstream(target) << "previous good file"; }
    const pid_t child = ::fork();
    if (child == 0) {
        vk::cli::installSaveCleanupOnSignals();
        vk::saveFile(target, [](vk::FileSink& sink) {
            sink.write(std::string(70000, 'x'));
            ::raise(SIGINT);
            sink.write(std::string(70000, 'y'));
        });
        ::_exit(0);  // not reached: the signal ends the process
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
    EXPECT_EQ(readFile(target), "previous good file");
    EXPECT_EQ(entries(scratch.path()), (std::vector<std::string>{"r.CSV"}));
}

}  // namespace
