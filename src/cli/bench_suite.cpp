#include "cli/bench_suite.h"

#include <cstdio>

#include "cli/condition_from_options.h"
#include "cli/hit_signature.h"
#include "cli/search_options.h"
#include "cli/search_run.h"

namespace vk::cli {

const std::vector<BenchCase>& benchCases() {
    static const std::vector<BenchCase> cases = {
        // filled in below, once per sample catalogue
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
