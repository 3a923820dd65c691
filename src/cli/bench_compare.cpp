#include "cli/bench_compare.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/bench_suite.h"

namespace vk::cli {

namespace {

// The fast run gives what the reference gave: everything, or, when the
// reference was stopped by the budget, the same first hits.
bool sameResults(const BenchRun& reference, const BenchRun& fast) {
    if (reference.result.total != fast.result.total) return false;
    if (reference.complete)
        return reference.result.tested == fast.result.tested && reference.hits == fast.hits;
    return reference.hits.size() <= fast.hits.size() &&
           std::equal(reference.hits.begin(), reference.hits.end(), fast.hits.begin());
}

std::string seconds(double s, bool extrapolated) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%.2f s%s", extrapolated ? "~" : "", s, extrapolated ? "*" : "");
    return text;
}

std::string compareLine(const std::string& name, double reference, bool extrapolated, double fast,
                        const std::string& verdict) {
    char line[200];
    std::snprintf(line, sizeof line, "%-22s %14s %12s %9.1fx  %s", name.c_str(), seconds(reference, extrapolated).c_str(),
                  seconds(fast, false).c_str(), fast > 0 ? reference / fast : 0.0, verdict.c_str());
    return line;
}

}  // namespace

int runBenchComparison(const Catalogue& cat, int threads, double budgetSeconds, CliIo& io) {
    char header[200];
    std::snprintf(header, sizeof header, "%-22s %14s %12s %10s  %s", "case", "reference", "fast", "ratio", "results");
    io.out << header << '\n';

    double referenceTotal = 0.0;
    double fastTotal = 0.0;
    bool anyExtrapolated = false;
    bool allSame = true;
    std::vector<BenchRun> referenceSuite;
    std::vector<BenchRun> fastSuite;
    auto compare = [&](const BenchCase& c, double budget, bool inSuite) {
        BenchRun reference = runBenchCase(cat, c, EngineChoice{EngineKind::Reference, 1}, budget);
        BenchRun fast = runBenchCase(cat, c, EngineChoice{EngineKind::Fast, threads}, 0.0);
        const bool same = sameResults(reference, fast);
        allSame = allSame && same;
        anyExtrapolated = anyExtrapolated || !reference.complete;
        referenceTotal += reference.fullSeconds();
        fastTotal += fast.result.seconds;
        const std::string verdict = !same ? "DIFFERENT" : reference.complete ? "same" : "same as far as the reference got";
        io.out << compareLine(c.name, reference.fullSeconds(), !reference.complete, fast.result.seconds, verdict)
               << std::endl;
        if (inSuite) {
            referenceSuite.push_back(std::move(reference));
            fastSuite.push_back(std::move(fast));
        }
    };
    for (const BenchCase& c : benchCases()) compare(c, 0.0, true);
    for (const BenchCase& c : hardBenchCases()) compare(c, budgetSeconds, false);

    io.out << compareLine("total", referenceTotal, anyExtrapolated, fastTotal, allSame ? "all same" : "DIFFERENT")
           << '\n';
    const std::uint64_t signature = runsSignature(fastSuite);
    io.out << "signature " << signatureText(signature);
    if (runsSignature(referenceSuite) != signature) io.out << " (the reference's differs)";
    io.out << '\n';
    if (anyExtrapolated) {
        char note[160];
        std::snprintf(note, sizeof note,
                      "* extrapolated from Tested/Total: the reference was stopped after %.0f s on that case\n",
                      budgetSeconds);
        io.out << note;
    }
    return allSame ? kExitOk : kExitFailure;
}

}  // namespace vk::cli
