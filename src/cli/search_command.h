#pragma once
// "velkorantis-cli search": gathers the conditions from the command line,
// runs one search and writes the hits as a result file.

#include <string>
#include <vector>

#include "cli/cli_io.h"

namespace vk::cli {

// `args` are the arguments after "search". Returns the exit status.
int runSearchCommand(const std::vector<std::string>& args, CliIo& io);

// The closing line on the error stream.
std::string searchSummary(std::size_t hits, std::uint64_t tested, std::uint64_t total, double seconds);

}  // namespace vk::cli
