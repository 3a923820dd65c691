// The bench suite in-process: its signature must stay what was committed.
// A change in any hit, its order, or the counters of any case shows here; when
// a change of the search is meant, run "velkorantis-cli bench" and commit the
// new signature in bench_signature.txt with the reason.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "cli/bench_addable.h"
#include "cli/bench_command.h"
#include "cli/bench_suite.h"
#include "cli/cli_io.h"
#include "cli/cli_test_support.h"
#include "core/catalogue/loader.h"

namespace {

using namespace vk::cli;

std::string committedSignature(const char* file = VK_BENCH_SIGNATURE_FILE) {
    std::string text = test::readFile(file);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

TEST(Bench, SuiteOnTheSampleKeepsItsSignature) {
    vk::Catalogue cat;
    ASSERT_FALSE(vk::loadCatalogue(VK_SAMPLE_DIR, cat).startupError);
    const BenchReport report = runBenchSuite(cat, EngineChoice{}, {});

    ASSERT_GE(report.cases.size(), 8u);
    bool endedEarly = false;
    for (const BenchCaseResult& r : report.cases) {
        EXPECT_GT(r.hits, 0u) << r.name;
        EXPECT_LE(r.tested, r.total) << r.name;
        endedEarly = endedEarly || r.tested < r.total;
    }
    EXPECT_TRUE(endedEarly) << "one case ends at its hit limit";
    EXPECT_EQ(signatureText(report.signature), committedSignature());
}

// The additional-skill lists of the bench, in their own signature
// (addable_signature.txt).
TEST(Bench, AddableCasesKeepTheirSignature) {
    vk::Catalogue cat;
    ASSERT_FALSE(vk::loadCatalogue(VK_SAMPLE_DIR, cat).startupError);
    const AddableBenchReport report = runAddableBench(cat, 2, false, {});
    ASSERT_EQ(report.cases.size(), addableBenchCases().size());
    for (const AddableBenchResult& r : report.cases) {
        EXPECT_GT(r.addable.size(), 0u) << r.name;
        EXPECT_LT(r.addable.size(), r.candidates) << r.name;
    }
    EXPECT_EQ(signatureText(report.signature), committedSignature(VK_ADDABLE_SIGNATURE_FILE));
}

TEST(Bench, CommandPrintsOneLinePerCaseThenTheSignature) {
    EXPECT_EQ(defaultBenchDataDir(), std::filesystem::path(VK_SAMPLE_DIR));
    std::ostringstream out, err;
    CliIo io{out, err, false};
    // A catalogue folder without the data files is refused before any case runs.
    test::ScratchDir empty("bench");
    EXPECT_EQ(runBenchCommand({"--data", empty.path().string()}, io), kExitFailure);
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(runBenchCommand({"--threads"}, io), kExitBadInput);
    EXPECT_EQ(runBenchCommand({"--help"}, io), kExitOk);
    EXPECT_NE(out.str().find("--data"), std::string::npos);

    const std::string line = benchLine({"armour-only", 12, 345, 6789, 1.5});
    EXPECT_EQ(line, "armour-only                  12 hits          345 tested         6789 total     1.50 s");
    EXPECT_EQ(signatureText(0x0123456789ABCDEFull), "0123456789abcdef");
}

}  // namespace
