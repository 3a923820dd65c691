// "velkorantis-cli search --report N": the report of one hit after the search.
#include <cstdlib>

#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "cli/hit_report.h"
#include "core/catalogue/loader.h"
#include "core/results/shown_set.h"
#include "core/results/text_report.h"
#include "core/search/condition/condition_gather.h"
#include "core/search/engine/engine_factory.h"
#include "core/text/sjis.h"

namespace {

using namespace vk;
using namespace vk::cli::test;
using Args = std::vector<std::string>;

// VK_SAMPLE_DIR in the environment points the tests at another catalogue.
std::string sampleDir() {
    const char* dir = std::getenv("VK_SAMPLE_DIR");
    return dir && *dir ? dir : VK_SAMPLE_DIR;
}

const std::string kSkill1 = "霞護・弐";
const std::string kSkill2 = "燐護・弐";

// The same search in-process with the reference engine: skills in box order,
// decorations up to rarity 6, weapon slots 1, 女 / ガンナー.
struct ExpectedSearch {
    Catalogue cat;
    GatheredCondition condition;
    ResultStore hits;

    ExpectedSearch() {
        if (loadCatalogue(sampleDir(), cat).startupError) return;
        ConditionForm form;
        form.skillBoxes = {cat.findSkillEq(utf8ToSjis(kSkill1)), cat.findSkillEq(utf8ToSjis(kSkill2)), 0, 0, 0};
        form.isDecoration = true;
        form.rareItem = 6;
        form.weponItem = 1;
        form.sexItem = 1;
        form.typeItem = 1;
        condition = gatherCondition(cat, form);
        auto engine = makeSearchEngine(cat, EngineKind::Reference, 1);
        SearchControl control;
        control.Running = true;
        engine->run(condition.engine, {{}, ExceptFlags::sizedFor(cat)}, control, {});
        hits = engine->store();
    }
    std::string report(std::size_t n) const {
        return BuildTextReport(cat, shownSetOf(hits[n - 1], 1, 2, 2));
    }
};

Args searchArgs(const ScratchDir& scratch, const Args& more) {
    Args args = {"search", "--data", sampleDir(), "--skill", kSkill1, "--skill", kSkill2, "--decorations",
                 "--rarity", "6", "--weapon-slots", "1", "--sex", "2", "--type", "2",
                 "-o", (scratch / "result.csv").string()};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(HitReport, PrintsTheReportOfHitNInSearchOrder) {
    const ExpectedSearch expected;
    ASSERT_GE(expected.hits.size(), 3u);
    ScratchDir scratch("hit-report");

    const ProgramRun utf8 = runProgram(searchArgs(scratch, {"--report", "3"}), scratch);
    ASSERT_EQ(utf8.status, 0) << utf8.err;
    EXPECT_EQ(utf8.out, sjisToUtf8(expected.report(3)));
    EXPECT_NE(utf8.out.find("■　女、ガンナー\r\n"), std::string::npos);
    EXPECT_FALSE(readFile(scratch / "result.csv").empty());  // the result file is written as before

    const ProgramRun sjis = runProgram(searchArgs(scratch, {"--report", "1", "--sjis"}), scratch);
    ASSERT_EQ(sjis.status, 0) << sjis.err;
    EXPECT_EQ(sjis.out, expected.report(1));
}

TEST(HitReport, AHitNumberBeyondTheHitsIsRefusedWithOneLine) {
    const ExpectedSearch expected;
    ASSERT_FALSE(expected.hits.empty());
    ScratchDir scratch("hit-report-range");
    const std::string beyond = std::to_string(expected.hits.size() + 1);

    const ProgramRun run = runProgram(searchArgs(scratch, {"--report", beyond}), scratch);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(lfLines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find("--report " + beyond), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(scratch / "result.csv"));

    for (const Args& refused : {Args{"--report", "0"}, Args{"--report", "x"}, Args{"--sjis"}}) {
        const ProgramRun bad = runProgram(searchArgs(scratch, refused), scratch);
        EXPECT_EQ(bad.status, 2) << refused[0];
        EXPECT_EQ(lfLines(bad.err).size(), 1u) << bad.err;
    }
}

TEST(HitReport, InProcessAnswersNothingOutsideTheHits) {
    const ExpectedSearch expected;
    ASSERT_FALSE(expected.hits.empty());
    const SearchCondition& search = expected.condition.window;
    EXPECT_FALSE(cli::hitReport(expected.cat, search, expected.hits, 0, false));
    EXPECT_FALSE(cli::hitReport(expected.cat, search, expected.hits, static_cast<int>(expected.hits.size()) + 1, true));
    EXPECT_EQ(cli::hitReport(expected.cat, search, expected.hits, 1, true), expected.report(1));
}

}  // namespace
