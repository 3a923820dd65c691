#include "cli/collections_command.h"

#include <cstdio>
#include <filesystem>
#include <optional>

#include "cli/collections_loading.h"
#include "cli/file_command_options.h"
#include "core/collections/collections_file.h"
#include "core/results/exclusion_records.h"

namespace vk::cli {

namespace {

constexpr const char* kCommand = "velkorantis-cli collections: ";

const char* collectionsUsage() {
    return R"(usage: velkorantis-cli collections [--data DIR] FILE [-o OUT]

Reads the collections file FILE (exclusions, my sets and owned pieces, as
config.csv keeps them) against the catalogue and writes it as the program
would save it: every piece and decoration resolved by its name first, then by
its stored index. Use it to bring config.csv up to date after the catalogue
changed. When nothing is left to store, nothing is written and OUT is removed.
The last line on standard error counts what was kept:
  N piece exclusions, N decoration exclusions, N my sets, N possessions
A reading that stopped at a malformed line, or at a my set or owned piece
past the 65,535 of each a file keeps, says so on an earlier line ("FILE:
reading stopped at line N"); what came before that line is kept.
)";
}

}  // namespace

std::string collectionsSummary(int pieceExclusions, int decoExclusions, int mysets, int possessions) {
    char line[160];
    std::snprintf(line, sizeof line, "%d piece exclusions, %d decoration exclusions, %d my sets, %d possessions",
                  pieceExclusions, decoExclusions, mysets, possessions);
    return line;
}

int runCollectionsCommand(const std::vector<std::string>& args, CliIo& io) {
    FileCommandOptions options;
    Catalogue cat;
    if (const std::optional<int> ended = startFileCommand(args, io, kCommand, collectionsUsage(), options, cat))
        return *ended;
    const std::optional<Collections> collections = loadCollectionsReporting(*options.file, cat, kCommand, io.err);
    if (!collections) return kExitFailure;

    if (options.output) {
        std::string error;
        if (saveCollectionsFile(*options.output, cat, *collections, &error) == CollectionsSave::kFailed) {
            io.err << kCommand << error << '\n';
            return kExitFailure;
        }
    } else if (!writeStandardOutput(io, kCommand, formatCollections(cat, *collections))) {
        return kExitFailure;
    }
    io.err << collectionsSummary(excludedPieceCount(collections->exclusions),
                                 excludedDecoCount(collections->exclusions),
                                 static_cast<int>(collections->mysets.size()), collections->possessionCount())
           << '\n';
    return kExitOk;
}

}  // namespace vk::cli
