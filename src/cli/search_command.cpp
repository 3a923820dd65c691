#include "cli/search_command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>

#include "cli/hit_report.h"
#include "cli/progress_line.h"
#include "cli/search_options.h"
#include "cli/search_run.h"
#include "cli/search_setup.h"
#include "cli/usage_error.h"
#include "core/collections/search_snapshot.h"
#include "core/results/result_file_writer.h"
#include "core/search/engine/memory_budget.h"

namespace vk::cli {

namespace {

constexpr const char* kCommand = "velkorantis-cli search: ";

// Flushes what `write` wrote to the output stream; false (with a message
// naming `what`) when a write or the flush failed, a full disk say.
bool writeOut(CliIo& io, const std::function<void(std::ostream&)>& write, const char* what) {
    errno = 0;
    write(io.out);
    io.out.flush();
    if (io.out) return true;
    io.err << kCommand << "cannot write " << what << " to standard output";
    if (errno != 0) io.err << ": " << std::strerror(errno);
    io.err << '\n';
    return false;
}

// Writes the result file; false (with a message) when the file cannot be saved.
bool writeResults(const Catalogue& cat, const SearchCondition& windowCondition, const SearchRun& run,
                  const ExceptFlags& exclusions, const SearchOptions& options, CliIo& io) {
    const ResultFileContent content{cat, windowCondition, run.hits, exclusions, std::time(nullptr)};
    // Streamed: a file of a million hits is never held whole in memory.
    if (!options.outputFile)
        return writeOut(io, [&content](std::ostream& out) { writeResultFile(out, content); }, "the result file");
    std::string error;
    if (saveResultFile(*options.outputFile, content, &error)) return true;
    io.err << kCommand << error << '\n';
    return false;
}

// Refuses an output file whose folder is missing before a long search, not after.
void checkOutputFolder(const SearchOptions& options) {
    if (!options.outputFile) return;
    std::filesystem::path folder = options.outputFile->parent_path();
    if (folder.empty()) folder = ".";
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        throw UsageError("-o: the folder '" + folder.string() + "' does not exist");
    if (std::filesystem::is_directory(*options.outputFile, ec))
        throw UsageError("-o: '" + options.outputFile->string() + "' is a folder");
}

}  // namespace

std::string searchSummary(std::size_t hits, std::uint64_t tested, std::uint64_t total, double seconds) {
    char line[160];
    std::snprintf(line, sizeof line, "%d hits, %llu of %llu combinations tested, %.2f s", static_cast<int>(hits),
                  static_cast<unsigned long long>(tested), static_cast<unsigned long long>(total), seconds);
    return line;
}

int runSearchCommand(const std::vector<std::string>& args, CliIo& io) {
    SearchOptions options;
    try {
        options = parseSearchOptions(args);
    } catch (const UsageError& e) {
        io.err << kCommand << e.what() << '\n';
        return kExitBadInput;
    }
    if (options.help) {
        io.out << searchUsage();
        return kExitOk;
    }

    SearchSetup setup;
    if (const int status = setUpSearch(options, kCommand, io, setup); status != kExitOk) return status;
    const Catalogue& cat = setup.cat;
    const Collections& collections = *setup.collections;
    const std::optional<GatheredCondition>& condition = setup.condition;
    try {
        checkOutputFolder(options);
    } catch (const UsageError& e) {
        io.err << kCommand << e.what() << '\n';
        return kExitBadInput;
    }

    std::optional<ProgressLine> bar;
    ProgressFn progress;
    if (io.errIsTerminal) {
        bar.emplace(io.err, ProgressLine::Clock::now());
        progress = [&bar](const SearchProgress& p) { bar->update(p, ProgressLine::Clock::now()); };
    }
    const std::size_t budgetMb =
        options.maxMemoryMb ? static_cast<std::size_t>(*options.maxMemoryMb) : defaultMemoryBudgetMegabytes();
    const SearchRun run = runSearch(cat, *condition, searchSnapshotOf(collections.possessions, collections.exclusions),
                                    options.engine, progress, budgetMb * kBytesPerMegabyte);
    if (bar) bar->clear();

    SearchCondition windowCondition = condition->window;
    // The budget ends a search as the window's stop button does.
    windowCondition.Interrupted = run.interrupted || run.budgetReached;
    std::optional<std::string> report;
    if (options.reportHit) {
        report = hitReport(cat, windowCondition, run.hits, *options.reportHit, options.reportSjis);
        if (!report) {
            io.err << kCommand << "--report " << *options.reportHit << ": no such hit, the search found "
                   << run.hits.size() << " hits\n";
            return kExitBadInput;
        }
    }
    if (!writeResults(cat, windowCondition, run, collections.exclusions, options, io)) return kExitFailure;
    if (report && !writeOut(io, [&report](std::ostream& out) { out << *report; }, "the report")) return kExitFailure;
    if (run.interrupted)
        io.err << "interrupted: the search was stopped by Ctrl+C; the hits found until then were written\n";
    else if (run.budgetReached)
        io.err << "stopped: memory budget of " << budgetMb << " MB reached\n";
    io.err << searchSummary(run.hits.size(), run.tested, run.total, run.seconds) << '\n';
    return kExitOk;
}

}  // namespace vk::cli
