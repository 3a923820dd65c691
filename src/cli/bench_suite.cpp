#include "cli/bench_suite.h"

#include <cstdio>

#include "cli/condition_from_options.h"
#include "cli/hit_signature.h"
#include "cli/search_options.h"
#include "cli/search_run.h"

namespace vk::cli {

// Skills, rows and limits are chosen for the sample catalogue: each case finds
// tens to thousands of hits within a few seconds of the reference engine.
// Row numbers (#N) are table rows of the sample's part files.
const std::vector<BenchCase>& benchCases() {
    static const std::vector<BenchCase> cases = {
        {"armour-only", {"--skill", "瑠刃・弐", "--skill", "澪閃・壱"}},
        {"decorations-weapon", {"--skill", "霞護・弐", "--skill", "燐護・参", "--decorations", "--rarity", "6",
                                "--weapon-slots", "1"}},
        {"three-skills", {"--skill", "霞護・弐", "--skill", "燐護・弐", "--skill", "瑠守・弐", "--decorations",
                          "--rarity", "6"}},
        {"four-skills", {"--skill", "碧手・壱", "--skill", "蛍手・壱", "--skill", "柘眼・壱", "--skill", "楓手・壱",
                         "--decorations", "--rarity", "5", "--weapon-slots", "2", "--min-defence", "230"}},
        {"five-skills", {"--skill", "碧手・壱", "--skill", "蛍手・壱", "--skill", "柘眼・壱", "--skill", "楓手・壱",
                         "--skill", "朧眼・壱", "--decorations", "--weapon-slots", "3", "--fix", "head=#159",
                         "--fix", "body=#142", "--min-defence", "410"}},
        {"negative-skill", {"--skill", "澪閃・乱", "--skill", "瑠刃・弐", "--decorations", "--rarity", "5"}},
        {"equal-skill", {"--skill", "柘眼・七星", "--skill", "碧手・壱", "--decorations", "--rarity", "5"}},
        {"fixed-decorations", {"--skill", "碧手・参", "--skill", "柘眼・弐", "--decorations", "--weapon-slots", "1",
                               "--fix", "head=#159", "--fix-deco", "head=碧手の結晶", "--fix-deco", "head=柘眼の欠片",
                               "--fix", "body=#92", "--fix-decorations"}},
        {"priority-defence", {"--skill", "茜輪・七星", "--skill", "蛍紋・壱", "--priority", "1", "--sex", "2"}},
        {"priority-fire", {"--skill", "碧手・壱", "--skill", "蛍手・壱", "--skill", "柘眼・壱", "--priority", "4",
                           "--type", "2"}},
        {"three-slot", {"--skill", "瑠刃・弐", "--skill", "澪閃・参", "--skill", "菫閃・壱", "--decorations",
                        "--three-slot", "--rarity", "4"}},
        {"all-pieces", {"--skill", "碧手・弐", "--skill", "柘眼・弐", "--decorations", "--weapon-slots", "2",
                        "--all-pieces", "--fix", "head=#159", "--fix", "body=#142", "--rarity", "6"}},
        {"hit-limit", {"--skill", "霞護・弐", "--skill", "燐護・弐", "--decorations", "--weapon-slots", "2",
                       "--priority", "1", "--hit-limit", "2000"}},
    };
    return cases;
}

BenchReport runBenchSuite(const Catalogue& cat, const EngineChoice& engine,
                          const std::function<void(const BenchCaseResult&)>& onCase) {
    BenchReport report;
    HitSignature signature;
    for (const BenchCase& c : benchCases()) {
        const SearchOptions options = parseSearchOptions(c.searchArgs);
        const GatheredCondition condition = gatherSearchCondition(cat, conditionForm(cat, options));
        const SearchRun run = runSearch(cat, condition, engine, {});
        signature.addHits(run.hits);
        signature.addCounter(run.tested);
        signature.addCounter(run.total);
        report.cases.push_back({c.name, run.hits.size(), run.tested, run.total, run.seconds});
        if (onCase) onCase(report.cases.back());
    }
    report.signature = signature.value();
    return report;
}

std::string benchLine(const BenchCaseResult& r) {
    char line[200];
    std::snprintf(line, sizeof line, "%-22s %8zu hits %12llu tested %12llu total %8.2f s", r.name.c_str(), r.hits,
                  static_cast<unsigned long long>(r.tested), static_cast<unsigned long long>(r.total), r.seconds);
    return line;
}

std::string signatureText(std::uint64_t signature) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(signature));
    return text;
}

}  // namespace vk::cli
