#pragma once
// The command line of a command that reads one file against the catalogue
// and writes it back as the program would save it:
// "[--data DIR] FILE [-o OUT]" (collections, settings).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_io.h"
#include "core/catalogue/catalogue.h"

namespace vk::cli {

struct FileCommandOptions {
    std::filesystem::path dataDir = ".";
    std::optional<std::filesystem::path> file;
    std::optional<std::filesystem::path> output;
    bool help = false;
};

// Throws UsageError for an unknown option, a second FILE or no FILE.
FileCommandOptions parseFileCommandOptions(const std::vector<std::string>& args);

// The common start: the command line read into `options` and the catalogue
// of --data loaded into `cat`. Returns the exit status when the command ends
// here (the line refused, --help shown, the catalogue incomplete), each
// reported on `io` with `command` ("velkorantis-cli NAME: ") in front.
// `usage` is the command's own text; the options and exit statuses all
// these commands share follow it.
std::optional<int> startFileCommand(const std::vector<std::string>& args, CliIo& io, const char* command,
                                    const char* usage, FileCommandOptions& options, Catalogue& cat);

// Writes `bytes` to standard output; false, reported, when that failed.
bool writeStandardOutput(CliIo& io, const char* command, const std::string& bytes);

}  // namespace vk::cli
