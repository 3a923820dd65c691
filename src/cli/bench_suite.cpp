#include "cli/bench_suite.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

#include "cli/condition_from_options.h"
#include "cli/hit_signature.h"
#include "cli/search_options.h"
#include "cli/search_run.h"

namespace vk::cli {

// Skills, rows and limits are chosen for the sample catalogue: each case finds
// a hundred to a few thousand hits within a few seconds of the reference engine.
// Row numbers (#N) are table rows of the sample's part files.
const std::vector<BenchCase>& benchCases() {
    static const std::vector<BenchCase> cases = {
        {"armour-only", {"--skill", "柘矢・壱", "--skill", "珀矢・壱"}},
        {"decorations-weapon", {"--skill", "柘翼・弐", "--skill", "樺翼・弐", "--decorations", "--weapon-slots", "2",
                                "--rarity", "5"}},
        {"three-skills", {"--skill", "朧心・弐", "--skill", "瑠魂・壱", "--skill", "樺魂・壱", "--decorations",
                          "--rarity", "6"}},
        {"four-skills", {"--skill", "朧心・壱", "--skill", "瑠魂・壱", "--skill", "樺魂・壱", "--skill", "菫心・壱",
                         "--decorations", "--rarity", "5", "--weapon-slots", "2"}},
        {"five-skills", {"--skill", "朧心・壱", "--skill", "瑠魂・壱", "--skill", "樺魂・壱", "--skill", "碧刃・壱",
                         "--skill", "霞刃・壱", "--decorations", "--weapon-slots", "3", "--rarity", "6"}},
        {"negative-skill", {"--skill", "朧心・乱", "--skill", "瑠魂・壱", "--decorations", "--rarity", "6",
                            "--weapon-slots", "1"}},
        {"equal-skill", {"--skill", "柘眼・七星", "--skill", "朧眼・壱", "--decorations", "--rarity", "6",
                         "--weapon-slots", "1"}},
        {"fixed-decorations", {"--skill", "朧心・弐", "--skill", "瑠魂・弐", "--decorations", "--weapon-slots", "1",
                               "--fix", "head=#155", "--fix-deco", "head=朧心の結晶", "--fix", "body=#76",
                               "--fix-deco", "body=瑠魂の欠片", "--fix-deco", "body=朧心の粒", "--fix-decorations"}},
        {"priority-defence", {"--skill", "朧心・弐", "--skill", "瑠魂・壱", "--priority", "1", "--sex", "2"}},
        {"priority-fire", {"--skill", "柘矢・壱", "--skill", "珀矢・壱", "--priority", "4", "--type", "2"}},
        {"three-slot", {"--skill", "朧心・弐", "--skill", "瑠魂・弐", "--decorations", "--three-slot", "--rarity",
                        "5"}},
        {"all-pieces", {"--skill", "朧心・弐", "--skill", "瑠魂・弐", "--decorations", "--weapon-slots", "2",
                        "--all-pieces", "--fix", "head=#155", "--fix", "body=#76", "--rarity", "6"}},
        {"hit-limit", {"--skill", "朧心・弐", "--skill", "瑠魂・弐", "--decorations", "--rarity", "6", "--priority",
                       "1", "--hit-limit", "1000"}},
    };
    return cases;
}

const std::vector<BenchCase>& hardBenchCases() {
    static const std::vector<BenchCase> cases = {
        {"five-skills-w3", {"--skill", "柘紋・壱", "--skill", "霞壁・壱", "--skill", "翠盾・壱", "--skill", "萌脚・壱",
                            "--skill", "霞刃・壱", "--decorations", "--weapon-slots", "3"}},
        {"all-pieces-w3", {"--skill", "朧心・弐", "--skill", "瑠魂・弐", "--skill", "樺魂・壱", "--decorations",
                           "--weapon-slots", "3", "--all-pieces"}},
        // The longest: what a second thread brings shows here.
        {"four-skills-all-pieces-w3", {"--skill", "朧心・壱", "--skill", "瑠魂・壱", "--skill", "樺魂・壱", "--skill",
                                       "菫心・壱", "--decorations", "--weapon-slots", "3", "--all-pieces",
                                       "--hit-limit", "-1"}},
        // Two skills that must shed points ("・乱") over every piece: nearly
        // every combination reaches the decoration search and fails there.
        {"shed-pair-three-skills", {"--skill", "朧心・乱", "--skill", "菫心・乱", "--skill", "瑠魂・壱", "--decorations",
                                    "--weapon-slots", "3", "--all-pieces", "--hit-limit", "-1"}},
        {"shed-pair-four-skills", {"--skill", "朧心・乱", "--skill", "菫心・乱", "--skill", "瑠魂・壱", "--skill",
                                   "樺魂・壱", "--decorations", "--weapon-slots", "3", "--all-pieces", "--hit-limit",
                                   "-1"}},
        {"shed-pair-five-skills", {"--skill", "朧心・乱", "--skill", "菫心・乱", "--skill", "瑠魂・壱", "--skill",
                                   "樺魂・壱", "--skill", "碧刃・壱", "--decorations", "--weapon-slots", "3",
                                   "--all-pieces", "--hit-limit", "-1"}},
    };
    return cases;
}

double BenchRun::fullSeconds() const {
    if (complete || result.tested == 0) return result.seconds;
    return result.seconds * static_cast<double>(result.total) / static_cast<double>(result.tested);
}

namespace {

// One case ready to run: its condition, a fresh engine, nothing owned or
// excluded, and Running set.
struct ReadyCase {
    ReadyCase(const Catalogue& cat, const BenchCase& c, const EngineChoice& engine)
        : condition(gatherSearchCondition(cat, conditionForm(cat, parseSearchOptions(c.searchArgs)))),
          searcher(makeEngine(engine, cat)) {
        snapshot.exclusions = ExceptFlags::sizedFor(cat);
        control.Running = true;
    }
    std::size_t run(const ProgressFn& progress) {
        return searcher->run(condition.engine, snapshot, control, progress);
    }
    const GatheredCondition condition;
    const std::unique_ptr<SearchEngine> searcher;
    SearchSnapshot snapshot;
    SearchControl control;
};

}  // namespace

BenchRun runBenchCase(const Catalogue& cat, const BenchCase& c, const EngineChoice& engine, double budgetSeconds) {
    ReadyCase ready(cat, c, engine);
    SearchEngine* searcher = ready.searcher.get();
    SearchControl& control = ready.control;
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
    bool stopped = false;
    BenchRun run;
    double lastReport = 0.0;
    ready.run([&](const SearchProgress& p) {
        const double now = elapsed();
        ++run.reports;
        run.longestSilence = std::max(run.longestSilence, now - lastReport);
        lastReport = now;
        // The window's estimate: (100 - Progress) x elapsed / Progress still to go.
        if (run.firstEstimate == 0.0 && now >= 1.0 && p.Progress > 0.0f)
            run.firstEstimate = now + (100.0 - p.Progress) * now / p.Progress;
        if (budgetSeconds > 0 && now > budgetSeconds) {
            control.Running = false;
            stopped = true;
        }
    });
    run.hits = std::move(searcher->store());
    run.result = {c.name, run.hits.size(), searcher->tested(), searcher->total(), elapsed()};
    run.longestSilence = std::max(run.longestSilence, run.result.seconds - lastReport);
    run.complete = !stopped;
    return run;
}

double stopDelay(const Catalogue& cat, const BenchCase& c, const EngineChoice& engine, double after) {
    ReadyCase ready(cat, c, engine);
    using Clock = std::chrono::steady_clock;
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    Clock::time_point stoppedAt{};
    std::thread stopper([&] {
        std::unique_lock lock(mutex);
        if (ended.wait_for(lock, std::chrono::duration<double>(after), [&] { return done; })) return;
        stoppedAt = Clock::now();
        ready.control.Running = false;
    });
    ready.run({});
    const Clock::time_point returned = Clock::now();
    {
        const std::lock_guard lock(mutex);
        done = true;
    }
    ended.notify_all();
    stopper.join();
    if (stoppedAt == Clock::time_point{}) return -1.0;
    return std::chrono::duration<double>(returned - stoppedAt).count();
}

std::uint64_t runsSignature(const std::vector<BenchRun>& runs) {
    HitSignature signature;
    for (const BenchRun& run : runs) {
        signature.addHits(run.hits);
        signature.addCounter(run.result.tested);
        signature.addCounter(run.result.total);
    }
    return signature.value();
}

namespace {
// The suite searches with nothing owned or excluded.
SearchSnapshot noCollections(const Catalogue& cat) {
    SearchSnapshot snapshot;
    snapshot.exclusions = ExceptFlags::sizedFor(cat);
    return snapshot;
}
}  // namespace

BenchReport runBenchSuite(const Catalogue& cat, const EngineChoice& engine,
                          const std::function<void(const BenchCaseResult&)>& onCase) {
    BenchReport report;
    HitSignature signature;
    for (const BenchCase& c : benchCases()) {
        const SearchOptions options = parseSearchOptions(c.searchArgs);
        const GatheredCondition condition = gatherSearchCondition(cat, conditionForm(cat, options));
        const SearchRun run = runSearch(cat, condition, noCollections(cat), engine, {});
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
