#include "cli/addable_command.h"

#include <chrono>
#include <cstdio>

#include "cli/interrupt_guard.h"
#include "cli/search_options.h"
#include "cli/search_setup.h"
#include "cli/usage_error.h"
#include "core/collections/search_snapshot.h"
#include "core/search/addable/addable_search.h"
#include "core/text/sjis.h"

namespace vk::cli {

namespace {

constexpr const char* kCommand = "velkorantis-cli addable: ";

// The options of "search" that shape its output or its end, not its
// condition: every candidate is searched to its first hit and nothing is saved.
void refuseOutputOptions(const SearchOptions& o) {
    if (o.hitLimitGiven) throw UsageError("--hit-limit plays no part: each candidate is searched to its first hit");
    if (o.outputFile) throw UsageError("-o plays no part: no result file is written");
    if (o.reportHit) throw UsageError("--report plays no part: no hit is kept");
    if (o.maxMemoryMb) throw UsageError("--max-memory plays no part: no hit is kept");
}

const char* addableUsage() {
    static const std::string text = std::string(R"(usage: velkorantis-cli addable [options]

Lists the skills that could still be asked for on top of the wanted ones:
every activation of kind ">=" or ">" not wanted yet, put into the first empty
skill box (none with five boxes full) or replacing a weaker ">=" or ">"
activation of its skill system, is tried in SKILL_EQ.csv order; it is
addable when the search asking for it, the rest of the condition unchanged
and no hit limit, finds at least one hit. The addable ones are printed in
UTF-8, one per line, in table order; the last line on standard error reads
  A of C skills can be added, S s
Ctrl+C stops: the skills found addable until then are printed, and the line
before the summary reads
  interrupted: D of C candidates decided

Every condition option of "search" applies (--data, --skill, --sex, --type,
--rarity, --decorations, --weapon-slots, --three-slot, --all-pieces,
--priority, --min-defence, --fix, --fix-deco, --fix-decorations,
--collections, --possessions); --hit-limit, -o, --report, --sjis and
--max-memory are refused.
  --engine NAME        fast (default): the searches share their work; or
                       reference: one plain search of the reference engine
                       per candidate, the definition itself
  --threads N          threads of the fast engine, 1-1024 (default: one per
                       hardware thread)
  -h, --help           show this text

Exit status: 0 done (also after Ctrl+C), 1 the catalogue or the collections
file could not be read, or standard output could not be written, 2 the
command line was refused (nothing is searched).
)");
    return text.c_str();
}

}  // namespace

std::string addableSummary(std::size_t addable, std::size_t candidates, double seconds) {
    char line[120];
    std::snprintf(line, sizeof line, "%zu of %zu skills can be added, %.2f s", addable, candidates, seconds);
    return line;
}

int runAddableCommand(const std::vector<std::string>& args, CliIo& io) {
    SearchOptions options;
    try {
        options = parseSearchOptions(args);
        refuseOutputOptions(options);
    } catch (const UsageError& e) {
        io.err << kCommand << e.what() << '\n';
        return kExitBadInput;
    }
    if (options.help) {
        io.out << addableUsage();
        return kExitOk;
    }
    SearchSetup setup;
    if (const int status = setUpSearch(options, kCommand, io, setup); status != kExitOk) return status;

    const SearchSnapshot snapshot = searchSnapshotOf(setup.collections->possessions, setup.collections->exclusions);
    const AddableRequest request{setup.condition->engine, setup.condition->window.wanted, snapshot};
    SearchControl control;
    control.Running = true;
    AddableState state;
    bool interrupted = false;
    const auto start = std::chrono::steady_clock::now();
    {
        InterruptGuard guard(control);
        if (options.engine.kind == EngineKind::Reference)
            state = decideByPlainSearches(setup.cat, EngineKind::Reference, 1, request, control, {});
        else
            state = decideAddable(setup.cat, options.engine.threads, request, control, {});
        interrupted = guard.interrupted() && state.stopped;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    for (std::size_t i = 0; i < state.candidates.size(); ++i)
        if (state.verdicts[i] == Verdict::Addable)
            io.out << sjisToUtf8(setup.cat.skillEqs[state.candidates[i].skillEq].name) << '\n';
    io.out.flush();
    if (!io.out) {
        io.err << kCommand << "cannot write the skills to standard output\n";
        return kExitFailure;
    }
    if (interrupted)
        io.err << "interrupted: " << state.decided << " of " << state.candidates.size() << " candidates decided\n";
    io.err << addableSummary(state.addable, state.candidates.size(), seconds) << '\n';
    return kExitOk;
}

}  // namespace vk::cli
