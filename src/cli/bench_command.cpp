#include "cli/bench_command.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/arg_reader.h"
#include "cli/bench_addable.h"
#include "cli/bench_compare.h"
#include "cli/bench_suite.h"
#include "cli/catalogue_loading.h"
#include "cli/engine_options.h"
#include "cli/usage_error.h"

#ifndef VK_BENCH_DATA_DIR
#define VK_BENCH_DATA_DIR "data/sample"
#endif

namespace vk::cli {

namespace {

constexpr const char* kCommand = "velkorantis-cli bench: ";

const char* benchUsage() {
    static const std::string text = std::string(R"(usage: velkorantis-cli bench [options]

Runs a fixed suite of searches over the sample catalogue and prints, per case:
name, hits, combinations tested, combinations in all, seconds; then
"signature" and a 64-bit digest (16 hex digits) of every hit and counter.
The same catalogue and program always give the same signature. Then the
hard cases (five skills; every piece with three and with four skills; every
piece with two skills that must shed points, among three to five skills; all
with decorations and three weapon slots), each line followed, when the time
budget stopped it, by the time the whole search would take; then "hard
signature" when all of them completed.

  --data DIR           catalogue folder (default: the bundled sample catalogue)
)") + engineOptionsUsage() +
                                  R"(  --compare            run every case under both engines and print both times,
                       their ratio and whether the results are the same; the
                       reference is held to the time budget on the hard cases
  --addable            run only the additional-skill cases, each also by the
                       plain loop (one fast search per candidate to its first
                       hit), with both times, their ratio and whether the
                       lists agree
  --budget S           time budget per hard case in seconds (default 60)
  --progress           run the hard cases and print, per case, its seconds,
                       the progress reports it made, the longest time
                       without one, the whole time as the window estimates
                       it one second in with its ratio to the real time,
                       and how long a stop halfway through took to end it
  -h, --help           show this text
)";
    return text.c_str();
}

// The hard cases after the suite, each held to the budget.
void runHardCases(const Catalogue& cat, const EngineChoice& engine, double budget, CliIo& io) {
    std::vector<BenchRun> runs;
    bool complete = true;
    for (const BenchCase& c : hardBenchCases()) {
        runs.push_back(runBenchCase(cat, c, engine, budget));
        const BenchRun& run = runs.back();
        io.out << benchLine(run.result);
        if (!run.complete) {
            char note[120];
            std::snprintf(note, sizeof note, "  stopped by the budget; about %.0f s in all", run.fullSeconds());
            io.out << note;
        }
        io.out << std::endl;
        complete = complete && run.complete;
    }
    if (complete) io.out << "hard signature " << signatureText(runsSignature(runs)) << '\n';
}

// How often each hard case is heard from, and how well its first time
// estimate holds.
void runProgressCases(const Catalogue& cat, const EngineChoice& engine, double budget, CliIo& io) {
    char line[200];
    std::snprintf(line, sizeof line, "%-26s %9s %8s %12s %14s %6s %10s", "case", "seconds", "reports", "longest gap",
                  "first estimate", "ratio", "stop");
    io.out << line << '\n';
    for (const BenchCase& c : hardBenchCases()) {
        const BenchRun run = runBenchCase(cat, c, engine, budget);
        const double ratio = run.firstEstimate > 0 ? run.firstEstimate / run.result.seconds : 0.0;
        // A stop halfway through (at most 2 s in).
        const double stop = stopDelay(cat, c, engine, std::min(2.0, run.result.seconds / 2));
        std::snprintf(line, sizeof line, "%-26s %8.2fs %8zu %10.0fms %13.1fs %6.2f %8.0fms%s", c.name.c_str(),
                      run.result.seconds, run.reports, run.longestSilence * 1000.0, run.firstEstimate, ratio,
                      stop * 1000.0, run.complete ? "" : "  (stopped by the budget)");
        io.out << line << std::endl;
    }
}

// The additional-skill cases, with the plain loop beside them when `plain`.
void runAddableCases(const Catalogue& cat, int threads, bool plain, CliIo& io) {
    const AddableBenchReport report = runAddableBench(
        cat, threads, plain, [&](const AddableBenchResult& r) { io.out << addableBenchLine(r, plain) << std::endl; });
    io.out << "addable signature " << signatureText(report.signature) << '\n';
}

}  // namespace

std::filesystem::path defaultBenchDataDir() { return VK_BENCH_DATA_DIR; }

int runBenchCommand(const std::vector<std::string>& args, CliIo& io) {
    std::filesystem::path dataDir = defaultBenchDataDir();
    EngineChoice engine;
    bool compare = false;
    bool progressOnly = false;
    bool addableOnly = false;
    double budget = 60.0;
    try {
        ArgReader r(args);
        while (!r.done()) {
            const std::string opt = r.nextOption();
            if (readEngineOption(opt, r, engine)) continue;
            if (opt == "--data") {
                dataDir = r.value();
            } else if (opt == "--compare") {
                r.noValue();
                compare = true;
            } else if (opt == "--progress") {
                r.noValue();
                progressOnly = true;
            } else if (opt == "--addable") {
                r.noValue();
                addableOnly = true;
            } else if (opt == "--budget") {
                budget = r.intValue(1, 86400);
            } else if (opt == "--help" || opt == "-h") {
                io.out << benchUsage();
                return kExitOk;
            } else {
                throw UsageError("unknown option '" + opt + "' (see --help)");
            }
        }
    } catch (const UsageError& e) {
        io.err << kCommand << e.what() << '\n';
        return kExitBadInput;
    }

    Catalogue cat;
    if (!loadCatalogueReporting(dataDir, cat, io.err)) {
        io.err << kCommand << "cannot run: the catalogue in '" << dataDir.string() << "' is incomplete\n";
        return kExitFailure;
    }
    try {
        if (compare) return runBenchComparison(cat, engine.threads, budget, io);
        if (progressOnly) {
            runProgressCases(cat, engine, budget, io);
            return kExitOk;
        }
        if (addableOnly) {
            runAddableCases(cat, engine.threads, true, io);
            return kExitOk;
        }
        const BenchReport report =
            runBenchSuite(cat, engine, [&io](const BenchCaseResult& r) { io.out << benchLine(r) << std::endl; });
        io.out << "signature " << signatureText(report.signature) << '\n';
        runHardCases(cat, engine, budget, io);
        runAddableCases(cat, engine.threads, false, io);
    } catch (const UsageError& e) {
        io.err << kCommand << "this catalogue does not suit the bench: " << e.what() << '\n';
        return kExitBadInput;
    }
    return kExitOk;
}

}  // namespace vk::cli
