#pragma once
// "velkorantis-cli addable": which further skills the search condition could
// still ask for and get hits.

#include <string>
#include <vector>

#include "cli/cli_io.h"

namespace vk::cli {

// `args` are the arguments after "addable". Returns the exit status.
int runAddableCommand(const std::vector<std::string>& args, CliIo& io);

// The closing line on the error stream.
std::string addableSummary(std::size_t addable, std::size_t candidates, double seconds);

}  // namespace vk::cli
