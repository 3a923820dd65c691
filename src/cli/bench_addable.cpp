#include "cli/bench_addable.h"

#include <chrono>
#include <cstdio>

#include "cli/condition_from_options.h"
#include "cli/hit_signature.h"
#include "core/search/addable/addable_search.h"

namespace vk::cli {

namespace {

std::vector<int> addableRows(const AddableState& state) {
    std::vector<int> rows;
    for (std::size_t i = 0; i < state.candidates.size(); ++i)
        if (state.verdicts[i] == Verdict::Addable) rows.push_back(state.candidates[i].skillEq);
    return rows;
}

template <class Decide>
AddableState timed(double& seconds, Decide decide) {
    const auto start = std::chrono::steady_clock::now();
    AddableState state = decide();
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return state;
}

}  // namespace

// Chosen for the sample catalogue: a long list over every piece, an ordinary
// two-skill wish, upgrades under a rarity limit, and five full boxes.
const std::vector<BenchCase>& addableBenchCases() {
    static const std::vector<BenchCase> cases = {
        {"addable-four-all-pieces", {"--skill", "朧心・弐", "--skill", "瑠魂・壱", "--skill", "樺魂・壱", "--skill",
                                     "碧刃・壱", "--decorations", "--weapon-slots", "3", "--all-pieces"}},
        {"addable-two-w2", {"--skill", "朧心・弐", "--skill", "瑠魂・壱", "--decorations", "--weapon-slots", "2"}},
        {"addable-upgrades-rarity", {"--skill", "朧心・壱", "--skill", "瑠魂・壱", "--skill", "樺魂・壱",
                                     "--decorations", "--weapon-slots", "1", "--rarity", "5"}},
        {"addable-five-boxes", {"--skill", "朧心・壱", "--skill", "瑠魂・壱", "--skill", "樺魂・壱", "--skill",
                                "碧刃・壱", "--skill", "霞刃・壱", "--decorations", "--weapon-slots", "3", "--rarity",
                                "6"}},
    };
    return cases;
}

AddableBenchReport runAddableBench(const Catalogue& cat, int threads, bool plain,
                                   const std::function<void(const AddableBenchResult&)>& onCase) {
    AddableBenchReport report;
    HitSignature signature;
    SearchSnapshot snapshot;
    snapshot.exclusions = ExceptFlags::sizedFor(cat);
    for (const BenchCase& c : addableBenchCases()) {
        const GatheredCondition condition =
            gatherSearchCondition(cat, conditionForm(cat, parseSearchOptions(c.searchArgs)));
        const AddableRequest request{condition.engine, condition.window.wanted, snapshot};
        SearchControl control;
        control.Running = true;
        AddableBenchResult r;
        r.name = c.name;
        const AddableState state =
            timed(r.seconds, [&] { return decideAddable(cat, threads, request, control, {}); });
        r.candidates = state.candidates.size();
        r.addable = addableRows(state);
        if (plain)
            r.plainAddable = addableRows(timed(r.plainSeconds, [&] {
                return decideByPlainSearches(cat, EngineKind::Fast, threads, request, control, {});
            }));
        signature.addCounter(r.candidates);
        for (int row : r.addable) signature.addInt(row);
        report.cases.push_back(std::move(r));
        if (onCase) onCase(report.cases.back());
    }
    report.signature = signature.value();
    return report;
}

std::string addableBenchLine(const AddableBenchResult& r, bool plain) {
    char line[240];
    int n = std::snprintf(line, sizeof line, "%-26s %4zu of %4zu addable %8.2f s", r.name.c_str(), r.addable.size(),
                          r.candidates, r.seconds);
    if (plain && n > 0 && n < static_cast<int>(sizeof line))
        std::snprintf(line + n, sizeof line - n, "   plain loop %8.2f s  %6.1fx  %s", r.plainSeconds,
                      r.seconds > 0 ? r.plainSeconds / r.seconds : 0.0,
                      r.plainAddable == r.addable ? "same list" : "LISTS DIFFER");
    return line;
}

}  // namespace vk::cli
