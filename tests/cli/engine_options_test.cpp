// --engine and --threads of search and bench, and the bench's hard cases and
// time budget.
#include <algorithm>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "cli/bench_command.h"
#include "cli/bench_suite.h"
#include "cli/cli_io.h"
#include "cli/search_options.h"
#include "cli/usage_error.h"
#include "core/catalogue/loader.h"

namespace {

using namespace vk::cli;
using vk::EngineKind;

TEST(EngineOptions, SearchRunsTheFastEngineOnEveryThreadUnlessTold) {
    const SearchOptions plain = parseSearchOptions({"--skill", "A"});
    EXPECT_EQ(plain.engine.kind, EngineKind::Fast);
    EXPECT_EQ(plain.engine.threads, 0);

    const SearchOptions chosen = parseSearchOptions({"--skill", "A", "--engine", "reference", "--threads=3"});
    EXPECT_EQ(chosen.engine.kind, EngineKind::Reference);
    EXPECT_EQ(chosen.engine.threads, 3);
    EXPECT_EQ(parseSearchOptions({"--engine=fast", "--skill", "A"}).engine.kind, EngineKind::Fast);

    EXPECT_THROW(parseSearchOptions({"--skill", "A", "--engine", "quick"}), UsageError);
    EXPECT_THROW(parseSearchOptions({"--skill", "A", "--threads", "0"}), UsageError);
    EXPECT_THROW(parseSearchOptions({"--skill", "A", "--threads", "two"}), UsageError);
    EXPECT_THROW(parseSearchOptions({"--skill", "A", "--engine"}), UsageError);
}

TEST(EngineOptions, BenchRefusesBadEngineThreadsAndBudget) {
    std::ostringstream out, err;
    CliIo io{out, err, false};
    EXPECT_EQ(runBenchCommand({"--engine", "slow"}, io), kExitBadInput);
    EXPECT_EQ(runBenchCommand({"--threads", "-1"}, io), kExitBadInput);
    EXPECT_EQ(runBenchCommand({"--budget", "0"}, io), kExitBadInput);
    EXPECT_EQ(runBenchCommand({"--compare=yes"}, io), kExitBadInput);
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(runBenchCommand({"--help"}, io), kExitOk);
    for (const char* option : {"--engine", "--threads", "--compare", "--budget"})
        EXPECT_NE(out.str().find(option), std::string::npos) << option;
}

TEST(EngineOptions, BudgetStopsTheReferenceOnAHardCaseWithTheSameFirstHits) {
    vk::Catalogue cat;
    ASSERT_FALSE(vk::loadCatalogue(VK_SAMPLE_DIR, cat).startupError);
    ASSERT_EQ(hardBenchCases().size(), 6u);
    const BenchCase& hard = hardBenchCases()[0];
    const BenchRun fast = runBenchCase(cat, hard, {EngineKind::Fast, 2}, 0.0);
    EXPECT_TRUE(fast.complete);
    EXPECT_GT(fast.hits.size(), 0u);
    // What the run was heard from: every Body position at least, never
    // silent for longer than it lasted.
    EXPECT_GE(fast.reports, 272u);
    EXPECT_GT(fast.longestSilence, 0.0);
    EXPECT_LE(fast.longestSilence, fast.result.seconds);
    // A search that ends before its stop says so.
    EXPECT_LT(stopDelay(cat, benchCases()[0], {EngineKind::Fast, 1}, 3600.0), 0.0);

    const BenchRun reference = runBenchCase(cat, hard, {EngineKind::Reference, 1}, 1.0);
    ASSERT_FALSE(reference.complete);
    EXPECT_LT(reference.result.tested, reference.result.total);
    EXPECT_EQ(reference.result.total, fast.result.total);
    EXPECT_GT(reference.fullSeconds(), reference.result.seconds);
    ASSERT_LE(reference.hits.size(), fast.hits.size());
    EXPECT_TRUE(std::equal(reference.hits.begin(), reference.hits.end(), fast.hits.begin()));
}

}  // namespace
