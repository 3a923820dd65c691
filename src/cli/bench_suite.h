#pragma once
// The bench: a fixed suite of searches over the bundled sample catalogue,
// each written as a "search" command line, and the signature of everything
// they found.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cli/engine_choice.h"
#include "core/catalogue/catalogue.h"
#include "core/search/hits/result_store.h"

namespace vk::cli {

struct BenchCase {
    std::string name;
    std::vector<std::string> searchArgs;  // options of "velkorantis-cli search"
};

struct BenchCaseResult {
    std::string name;
    std::size_t hits = 0;
    std::uint64_t tested = 0;
    std::uint64_t total = 0;
    double seconds = 0.0;
};

struct BenchReport {
    std::vector<BenchCaseResult> cases;
    std::uint64_t signature = 0;
};

const std::vector<BenchCase>& benchCases();

// The hardest searches a user meets (five skills with decorations and three
// weapon slots; every piece with three skills, decorations and three weapon
// slots; every piece with two skills that must shed points, where nearly
// every combination fails in the decoration search). They run after the
// suite, outside its signature, and the reference engine needs a time budget
// for them.
const std::vector<BenchCase>& hardBenchCases();

// One case run on its own, stopped once `budgetSeconds` (> 0) have passed at
// a progress call.
struct BenchRun {
    BenchCaseResult result;
    ResultStore hits;
    bool complete = true;  // false: stopped by the budget
    // How the search was heard from: reports made, the longest time without
    // one (from the start, between reports, to the end), and the whole time
    // as the window estimates it at the first report one second in (0 when
    // the search ended sooner).
    std::size_t reports = 0;
    double longestSilence = 0.0;
    double firstEstimate = 0.0;
    // The whole search's time: measured, or extrapolated from Tested/Total.
    double fullSeconds() const;
};
BenchRun runBenchCase(const Catalogue& cat, const BenchCase& c, const EngineChoice& engine, double budgetSeconds);

// Runs one case, clears Running `after` seconds into the search (from
// another thread, as the window's stop button does) and returns how many
// seconds the engine took to return after that; negative when the search
// ended first.
double stopDelay(const Catalogue& cat, const BenchCase& c, const EngineChoice& engine, double after);

// The signature of a list of runs, as the suite's is made.
std::uint64_t runsSignature(const std::vector<BenchRun>& runs);

// Runs every case in order; `onCase` (may be empty) hears of each as it ends.
// Throws UsageError when a case's names are not in `cat`.
BenchReport runBenchSuite(const Catalogue& cat, const EngineChoice& engine,
                          const std::function<void(const BenchCaseResult&)>& onCase);

// "name hits tested total seconds" as the bench prints it.
std::string benchLine(const BenchCaseResult& r);

// 16 lower-case hex digits.
std::string signatureText(std::uint64_t signature);

}  // namespace vk::cli
